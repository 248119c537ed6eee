#include "platform/PassphraseText.h"

#include "platform/AnsiCodec.h"

#include <cstring>

Passphrase CPassphraseText::From(const QString& typed)
{
    const QString composed = typed.normalized(QString::NormalizationForm_C);
    QByteArray utf8 = composed.toUtf8();
    Passphrase passphrase(utf8.toStdString(), CAnsiCodec::FromQString(composed));
    // Stored single-byte passwords end at a zero byte.
    if (passphrase.windows1252)
        passphrase.windows1252->resize(
            strnlen(passphrase.windows1252->c_str(), passphrase.windows1252->size()));
    utf8.fill('\0');
    return passphrase;
}

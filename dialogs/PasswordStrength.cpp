#include "dialogs/PasswordStrength.h"

#include <zxcvbn.h>

double CPasswordStrength::GuessesLog10(const QString& password)
{
    QByteArray utf8 = password.normalized(QString::NormalizationForm_C).toUtf8();
    const double bits = ZxcvbnMatch(utf8.constData(), nullptr, nullptr);
    utf8.fill('\0');
    return bits * 0.301;
}

CPasswordStrength::Level CPasswordStrength::Rate(const QString& password)
{
    return LevelOf(GuessesLog10(password));
}

CPasswordStrength::Level CPasswordStrength::LevelOf(double guessesLog10)
{
    if (guessesLog10 < 3) {
        return Level::VeryWeak;
    }
    if (guessesLog10 < 6) {
        return Level::Weak;
    }
    if (guessesLog10 < 8) {
        return Level::Fair;
    }
    if (guessesLog10 < 10) {
        return Level::Strong;
    }
    return Level::VeryStrong;
}

QString CPasswordStrength::Text(Level level)
{
    switch (level) {
    case Level::VeryWeak:
        return tr("Very weak");
    case Level::Weak:
        return tr("Weak");
    case Level::Fair:
        return tr("Fair");
    case Level::Strong:
        return tr("Strong");
    case Level::VeryStrong:
        break;
    }
    return tr("Very strong");
}

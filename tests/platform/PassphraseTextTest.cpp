// A typed passphrase as the diaries derive their keys from it: the same
// bytes for its composed and decomposed forms, so a diary made on one
// system opens with the passphrase typed on another.
#include "platform/PassphraseText.h"

#include "store/EncryptedDiaryFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PassphraseText, ComposedAndDecomposedFormsOpenTheSameDiary)
{
    const QString composed = QStringLiteral("Caf\u00e9 cr\u00e8me br\u00fbl\u00e9e \u00e0 minuit");
    const QString decomposed = composed.normalized(QString::NormalizationForm_D);
    ASSERT_NE(composed, decomposed);
    const Passphrase nfc = CPassphraseText::From(composed);
    const Passphrase nfd = CPassphraseText::From(decomposed);
    EXPECT_EQ(nfc.utf8, "Caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
                        "e \xC3\xA0 minuit");
    EXPECT_EQ(nfd.utf8, nfc.utf8);
    ASSERT_TRUE(nfd.windows1252.has_value());
    EXPECT_EQ(*nfd.windows1252, "Caf\xE9 cr\xE8me br\xFBl\xE9"
                                "e \xE0 minuit");
    EXPECT_FALSE(CPassphraseText::From(QStringLiteral("\u041F\u0430\u0440\u043E\u043B\u044C"))
                     .windows1252.has_value())
        << "no single-byte form: it never opens a file of version 1 or 2";

    QTemporaryDir dir;
    const std::string path = QFile::encodeName(dir.filePath("travel.dayloom")).toStdString();
    CEncryptedDiaryFile made(path);
    ASSERT_TRUE(made.Create(nfc.utf8, KdfParams::Cheapest()).ok());
    ASSERT_TRUE(made.Commit().ok());
    CEncryptedDiaryFile opened(path);
    EXPECT_TRUE(opened.Open(nfd).ok());
}

} // namespace

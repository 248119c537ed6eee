// Texts and names: the Windows code page of the diary files, passphrases,
// the program's data files, and the extension of a chosen diary.
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/PassphraseText.h"
#include "platform/PathText.h"
#include "store/EncryptedDiaryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TEST(AnsiCodecTest, EveryNonZeroByteRoundTripsAndOtherCharactersAreRefused)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const QString text = CAnsiCodec::ToQString(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(CAnsiCodec::FromQString(text), all);

    // A password typed on Windows, and the punctuation range 0x80-0x9F.
    EXPECT_EQ(CAnsiCodec::ToQString("caf\xE9"), QStringLiteral("café"));
    EXPECT_EQ(CAnsiCodec::ToQString("\x80\x93quoted\x94\x8A\x9F"), QStringLiteral("€“quoted”ŠŸ"));
    EXPECT_EQ(CAnsiCodec::FromQString(QStringLiteral("– … ™")), std::string("\x96 \x85 \x99"));
    // One byte a character, so a 39-character description fits its field.
    EXPECT_EQ(CAnsiCodec::FromQString(QString(39, QChar(0xE9))), std::string(39, '\xE9'));
    EXPECT_TRUE(CAnsiCodec::FromQString(QString()).value().empty());

    // Characters outside the code page, and zero, are refused.
    for (const QString& text :
         {QStringLiteral("Ω"), QStringLiteral("日本"), QStringLiteral("ok but č"),
          QStringLiteral("emoji 😀"), QString(QChar(0x0100))}) {
        EXPECT_FALSE(CAnsiCodec::FromQString(text).has_value()) << text.toStdString();
        EXPECT_FALSE(CAnsiCodec::CanEncode(text)) << text.toStdString();
    }
    EXPECT_TRUE(CAnsiCodec::CanEncode(QStringLiteral("Grüße, ñ, ø, €")));
    // A zero would cut the field short.
    EXPECT_FALSE(CAnsiCodec::FromQString(QStringLiteral("ab") + QChar(0) + "c").has_value());
}

// Composed and decomposed forms of a passphrase give the same bytes.
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

TEST(AppInfoTest, DataFilesAreLookedForOnlyBesideTheProgram)
{
    // Found through the fallback folder the tests' main() sets; without it
    // nothing in the build or source tree is searched.
    EXPECT_TRUE(CAppInfo::FindDataFile("face-3.bmp").endsWith("/face-3.bmp"));
    CAppInfo::SetFallbackDataDir(QString());
    EXPECT_TRUE(CAppInfo::FindDataFile("face-3.bmp").isEmpty());
    CAppInfo::SetFallbackDataDir(QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data"));
}

TEST(FileDialogsTest, ExtensionPositionIsTheByteOffsetOfTheExtensionInTheEncodedPath)
{
    const struct
    {
        QString chosen;
        QString path;
        QString title;
        int extLoc; // in bytes of the encoded path
    } cases[] = {
        {"/home/me/travel.ilm", "/home/me/travel.ilm", "travel", 16},
        // Without an extension: .dayloom; the folder's dot is not the file's.
        {"/data/v2.old/travel", "/data/v2.old/travel.dayloom", "travel", 20},
        // Characters of several bytes count with all their bytes.
        {QStringLiteral("/tmp/Tagebücher/café.ilm"), QStringLiteral("/tmp/Tagebücher/café.ilm"),
         QStringLiteral("café"), 23},
        {"/d/my.diary.2024.ilm", "/d/my.diary.2024.ilm", "my.diary.2024", 17},
        {"/d/odd.", "/d/odd.", "odd", 0}, // nothing after the dot
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        const DiaryChoice choice = CFileDialogs::ChoiceFromPath(c.chosen);
        EXPECT_EQ(choice.path, c.path);
        EXPECT_EQ(choice.fileTitle, c.title);
        EXPECT_EQ(choice.name.ExtLoc(), c.extLoc);
        // The stored form and back, and as a message shows it.
        EXPECT_EQ(choice.name.Path(), QFile::encodeName(c.path).toStdString());
        EXPECT_EQ(CPathText::Decoded(choice.name.Path()), c.path);
        EXPECT_EQ(CPathText::Shown(choice.name.Path()), QDir::toNativeSeparators(c.path));
    }
    // The four-file kind chosen: its extension.
    EXPECT_EQ(CFileDialogs::ChoiceFromPath("/d/travel", "ilm").path, "/d/travel.ilm");
}
} // namespace

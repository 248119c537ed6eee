// Byte strings of the diary files in the Windows ANSI code page, and the
// program's data files.
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TEST(AnsiCodecTest, EveryNonZeroByteRoundTripsThroughItsWindowsCharacter)
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
}

TEST(AnsiCodecTest, CharactersOutsideTheCodePageAndZeroAreRefused)
{
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

TEST(AppInfoTest, DataFilesComeFromTheOverrideOnlyWhenOneIsSet)
{
    const QString face = CAppInfo::FindDataFile("face-3.bmp");
    ASSERT_FALSE(face.isEmpty());
    EXPECT_TRUE(QFile::exists(face));
    EXPECT_TRUE(face.endsWith("/face-3.bmp"));
    EXPECT_TRUE(CAppInfo::FindDataFile("no-such-file.dat").isEmpty());

    QTemporaryDir dir;
    QFile tips(dir.filePath("TIPS.TXT"));
    ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
    tips.close();
    CAppInfo::SetDataDir(dir.path());
    EXPECT_EQ(CAppInfo::FindDataFile("TIPS.TXT"), QDir(dir.path()).absoluteFilePath("TIPS.TXT"));
    // A test that hides a file must not see the shipped copy instead.
    EXPECT_TRUE(CAppInfo::FindDataFile("face-3.bmp").isEmpty());
    CAppInfo::SetDataDir(QString());

    // The program looks only beside itself: not in the build or source tree
    // (this test program's folder has no data files).
    CAppInfo::SetFallbackDataDir(QString());
    EXPECT_TRUE(CAppInfo::FindDataFile("face-3.bmp").isEmpty());
    CAppInfo::SetFallbackDataDir(QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data"));
}
} // namespace

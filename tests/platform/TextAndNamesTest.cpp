// Byte strings of the diary files in the Windows ANSI code page, and the
// program's names, captions and data files.
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TEST(AnsiCodecTest, CafeIsFourBytesBothWays)
{
    // A password typed on Windows: "café" in code page 1252.
    const std::string bytes("caf\xE9", 4);
    EXPECT_EQ(CAnsiCodec::ToQString(bytes), QStringLiteral("café"));
    EXPECT_EQ(CAnsiCodec::FromQString(QStringLiteral("café")), bytes);
}

TEST(AnsiCodecTest, EveryNonZeroByteRoundTrips)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const QString text = CAnsiCodec::ToQString(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(CAnsiCodec::FromQString(text), all);
}

TEST(AnsiCodecTest, WindowsPunctuationRangeMapsToItsUnicodeCharacters)
{
    EXPECT_EQ(CAnsiCodec::ToQString("\x80"), QStringLiteral("€"));
    EXPECT_EQ(CAnsiCodec::ToQString("\x93quoted\x94"), QStringLiteral("“quoted”"));
    EXPECT_EQ(CAnsiCodec::ToQString("\x8A\x9F"), QStringLiteral("ŠŸ"));
    EXPECT_EQ(CAnsiCodec::FromQString(QStringLiteral("– … ™")), std::string("\x96 \x85 \x99"));
}

TEST(AnsiCodecTest, CharactersOutsideTheCodePageAreRefused)
{
    for (const QString& text :
         {QStringLiteral("Ω"), QStringLiteral("日本"), QStringLiteral("ok but č"),
          QStringLiteral("emoji 😀"), QString(QChar(0x0100))}) {
        EXPECT_FALSE(CAnsiCodec::FromQString(text).has_value()) << text.toStdString();
        EXPECT_FALSE(CAnsiCodec::CanEncode(text)) << text.toStdString();
    }
    EXPECT_FALSE(CAnsiCodec::UnsupportedMessage().isEmpty());
    EXPECT_TRUE(CAnsiCodec::CanEncode(QStringLiteral("Grüße, ñ, ø, €")));
}

TEST(AnsiCodecTest, ZeroCharacterIsRefusedSinceItWouldCutTheField)
{
    EXPECT_FALSE(CAnsiCodec::FromQString(QStringLiteral("ab") + QChar(0) + "c").has_value());
}

TEST(AnsiCodecTest, OneByteForEachCharacterSoADescriptionFitsItsField)
{
    const QString description(39, QChar(0xE9)); // 39 × "é"
    const auto bytes = CAnsiCodec::FromQString(description);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), 39u);
    EXPECT_TRUE(CAnsiCodec::FromQString(QString()).value().empty());
}

TEST(AppInfoTest, TitleAndCaptions)
{
    EXPECT_EQ(CAppInfo::Title(), "Dayloom v2.21");
    EXPECT_EQ(CAppInfo::Caption("Delete Entry"), "Delete Entry - Dayloom v2.21");
    EXPECT_EQ(CAppInfo::Caption("New Entry"), "New Entry - Dayloom v2.21");
    EXPECT_EQ(CAppInfo::AppName(), "test_platform");
    EXPECT_FALSE(CAppInfo::WebSite().isEmpty());
    EXPECT_TRUE(CAppInfo::MailAddress().contains('@'));
}

TEST(AppInfoTest, DataFilesAreFoundInTheOverrideOnlyWhenOneIsSet)
{
    QTemporaryDir dir;
    {
        QFile tips(dir.filePath("TIPS.TXT"));
        ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
    }
    CAppInfo::SetDataDir(dir.path());
    EXPECT_EQ(CAppInfo::FindDataFile("TIPS.TXT"), QDir(dir.path()).absoluteFilePath("TIPS.TXT"));
    // A test that hides a file must not see the shipped copy instead.
    EXPECT_TRUE(CAppInfo::FindDataFile("face0.bmp").isEmpty());
    EXPECT_TRUE(CAppInfo::FindDataFile("missing.bin").isEmpty());
    CAppInfo::SetDataDir(QString());
}

TEST(AppInfoTest, ShippedDataFilesAreFoundByDefault)
{
    CAppInfo::SetDataDir(QString());
    const QString face = CAppInfo::FindDataFile("face-3.bmp");
    ASSERT_FALSE(face.isEmpty());
    EXPECT_TRUE(QFile::exists(face));
    EXPECT_TRUE(face.endsWith("/face-3.bmp"));
    EXPECT_TRUE(CAppInfo::FindDataFile("no-such-file.dat").isEmpty());
}
} // namespace

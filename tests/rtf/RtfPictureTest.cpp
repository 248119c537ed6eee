// Pictures in entries: PNG and JPEG through write and read with their pixels
// intact, pictures of other kinds kept byte for byte through an edit, the
// limits of inserted pictures, and hostile \pict groups.
#include "rtf/RtfPicture.h"

#include "RtfTestSupport.h"
#include "rtf/PictureImport.h"
#include "rtf/PictureObject.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextImageFormat>
#include <gtest/gtest.h>
#include <vector>

using rtftest::Pictures;
using rtftest::ReadAndWrite;

namespace {

QImage Pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF));
        }
    }
    return image;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(90);
    writer.write(image);
    return bytes;
}

// A JPEG carrying an EXIF segment (with a place in it) and a comment.
QByteArray JpegWithExif(const QImage& image)
{
    const QByteArray plain = Encoded(image, "jpeg");
    QByteArray exif("Exif\0\0GPS 52.52N 13.40E", 23);
    QByteArray app1("\xFF\xE1", 2);
    app1.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF)).append(exif);
    QByteArray comment("\xFF\xFE\x00\x07where", 9);
    return plain.left(2) + app1 + comment + plain.mid(2);
}

// "Before", the picture, "after" in one paragraph.
std::string EntryWith(const RtfPicture& picture)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Before "));
    cursor.insertImage(picture.ToFormat());
    cursor.insertText(QStringLiteral(" after"));
    return DocumentToRtf(document);
}

TEST(RtfPictureTest, PngAndJpegRoundTripWithTheirPixels)
{
    const QImage source = Pattern(40, 30);
    const PictureImport png = PictureImport::FromImage(source);
    ASSERT_EQ(png.status, PictureImport::Ok);
    const PictureImport jpeg = PictureImport::FromFile(JpegWithExif(source));
    ASSERT_EQ(jpeg.status, PictureImport::Ok);
    EXPECT_EQ(jpeg.picture.kind, RtfPicture::Jpeg);

    for (const RtfPicture& picture : {png.picture, jpeg.picture}) {
        const std::string rtf = EntryWith(picture);
        const char* head =
            picture.kind == RtfPicture::Png
                ? "Before {\\pict\\pngblip\\picw40\\pich30\\picwgoal600\\pichgoal450\n"
                : "Before {\\pict\\jpegblip\\picw40\\pich30\\picwgoal600\\pichgoal450\n";
        EXPECT_NE(rtf.find(head), std::string::npos) << rtf.substr(0, 300);
        EXPECT_NE(rtf.find("} after\\par"), std::string::npos);

        QTextDocument document;
        EXPECT_EQ(ReadAndWrite(rtf, document), rtf);
        EXPECT_EQ(document.toPlainText(), QStringLiteral("Before \uFFFC after"));
        const std::vector<RtfPicture> read = Pictures(document);
        ASSERT_EQ(read.size(), 1U);
        EXPECT_EQ(read[0].data, picture.data);
        EXPECT_EQ(read[0].ShownSize(), QSize(40, 30));
    }
    // PNG is lossless; the JPEG's compressed data is the camera's own.
    EXPECT_EQ(png.picture.Decode().convertToFormat(QImage::Format_RGB32), source);
    EXPECT_EQ(jpeg.picture.Decode(), QImage::fromData(Encoded(source, "jpeg"), "jpeg"));
    EXPECT_FALSE(jpeg.picture.data.contains("Exif"));
    EXPECT_FALSE(jpeg.picture.data.contains("GPS"));
    EXPECT_FALSE(jpeg.picture.data.contains("where"));
}

TEST(RtfPictureTest, InsertedPicturesAreScaledAndLimitedAndFittedToTheWidth)
{
    const PictureImport wide = PictureImport::FromImage(Pattern(3200, 800));
    ASSERT_EQ(wide.status, PictureImport::Ok);
    EXPECT_EQ(wide.picture.Decode().size(), QSize(1600, 400));
    EXPECT_EQ(wide.picture.goalWidth, 1600 * 15);

    // A large JPEG must be re-encoded, and stays JPEG.
    const PictureImport tall = PictureImport::FromFile(JpegWithExif(Pattern(900, 2000)));
    ASSERT_EQ(tall.status, PictureImport::Ok);
    EXPECT_EQ(tall.picture.kind, RtfPicture::Jpeg);
    EXPECT_EQ(tall.picture.Decode().size(), QSize(720, 1600));
    EXPECT_FALSE(tall.picture.data.contains("GPS"));

    // Other kinds become PNG.
    const PictureImport bmp = PictureImport::FromFile(Encoded(Pattern(10, 10), "bmp"));
    ASSERT_EQ(bmp.status, PictureImport::Ok);
    EXPECT_EQ(bmp.picture.kind, RtfPicture::Png);

    // One over 2 MB even at 1600 pixels is refused in the editor's tests.
    EXPECT_EQ(PictureImport::FromFile(QByteArray("not a picture")).status,
              PictureImport::Unreadable);
    EXPECT_TRUE(PictureImport::StripJpegMetadata(JpegWithExif(Pattern(4, 4)).left(30)).isEmpty());

    // Laid out, a picture is fitted to the width, never enlarged.
    EXPECT_EQ(CPictureObject::FittedSize({800, 600}, 400), QSizeF(400, 300));
    EXPECT_EQ(CPictureObject::FittedSize({200, 100}, 400), QSizeF(200, 100));
    EXPECT_EQ(CPictureObject::FittedSize({800, 600}, 0), QSizeF(800, 600));

    QTextDocument document;
    RtfToDocument(EntryWith(PictureImport::FromImage(Pattern(1000, 500)).picture), document);
    document.setTextWidth(408);
    EXPECT_LE(document.size().width(), 408);
}

TEST(RtfPictureTest, OtherKindsAreKeptByteForByteThroughAnEdit)
{
    const std::string wmf = "{\\pict{\\*\\picprop\\shplid1025}\\wmetafile8\\picw2646\\pich1323"
                            "\\picwgoal1500\\pichgoal750 \r\n010009000003c4\r\n0000deadbeef}";
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Look: " + wmf + " there.\\par Second\\par}";
    QTextDocument document;
    RtfToDocument(rtf, document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Look: \uFFFC there.\nSecond"));
    ASSERT_EQ(Pictures(document).size(), 1U);
    EXPECT_EQ(Pictures(document)[0].ShownSize(), QSize(100, 50));
    EXPECT_TRUE(Pictures(document)[0].Decode().isNull());

    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Edited. "));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" more"));
    const std::string written = DocumentToRtf(document);
    EXPECT_NE(written.find(wmf), std::string::npos) << written;
    QTextDocument reread;
    EXPECT_EQ(ReadAndWrite(written, reread), written);

    // Word's pair: the picture for readers that know pictures is read, its
    // metafile twin is not.
    const QByteArray png = PictureImport::FromImage(Pattern(3, 2)).picture.data;
    const std::string word = "{\\rtf1 A{\\*\\shppict{\\pict\\pngblip\\picw3\\pich2 " +
                             png.toHex().toStdString() +
                             "}}{\\nonshppict{\\pict\\wmetafile8 0102}}B}";
    RtfToDocument(word, document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("A\uFFFCB"));
    ASSERT_EQ(Pictures(document).size(), 1U);
    EXPECT_EQ(Pictures(document)[0].kind, RtfPicture::Png);
    EXPECT_EQ(Pictures(document)[0].data, png);
}

TEST(RtfPictureTest, HostilePicturesAreShownAsThePlaceholderAndStayStable)
{
    // A PNG header that claims 100000 x 100000 pixels.
    QByteArray huge = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000186a0000186a00806"
                                          "000000");
    huge.append(QByteArray(64, '\0'));
    const struct
    {
        const char* name;
        std::string rtf;
        QString text;
    } cases[] = {
        {"huge dimensions",
         "{\\rtf1 x{\\pict\\pngblip\\picw100000\\pich100000\\picwgoal2000000000\\pichgoal9 " +
             huge.toHex().toStdString() + "}y}",
         QStringLiteral("x\uFFFCy")},
        {"lying JPEG", "{\\rtf1 {\\pict\\jpegblip\\picw5\\pich5 ffd8ffe000104a46}}",
         QStringLiteral("\uFFFC")},
        {"truncated hex", "{\\rtf1 a{\\pict\\pngblip\\picw4\\pich4 89504e470",
         QStringLiteral("a\uFFFC")},
        {"truncated metafile", "{\\rtf1 a{\\pict\\wmetafile8\\picw4\\pich4 0102030",
         QStringLiteral("a\uFFFC")},
        {"binary data", std::string("{\\rtf1 a{\\pict\\emfblip\\bin4 \x01\x80\xFF\x00}b}", 34),
         QStringLiteral("a\uFFFCb")},
        {"no kind", "{\\rtf1 a{\\pict 0102}b}", QStringLiteral("a\uFFFCb")},
        {"hidden", "{\\rtf1 a{\\v{\\pict\\pngblip 0102}}b}", QStringLiteral("ab")},
        {"in the font table", "{\\rtf1{\\fonttbl{\\f0{\\pict\\pngblip 00}Arial;}}a}",
         QStringLiteral("a")},
        {"a font table inside, cut short",
         "{\\rtf1 a{\\pict\\pngblip 0102{\\fonttbl{\\f0\\fcharset204 X;",
         QStringLiteral("a\uFFFC")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument document;
        ReadAndWrite(c.rtf, document);
        EXPECT_EQ(document.toPlainText(), c.text);
        for (const RtfPicture& picture : Pictures(document)) {
            EXPECT_TRUE(picture.Decode().isNull());
            EXPECT_LE(picture.ShownSize().width(), RtfPicture::kMaxTwips / 15);
        }
        // Laying out and drawing shows the placeholder.
        document.setTextWidth(300);
        QImage canvas(320, 200, QImage::Format_RGB32);
        QPainter painter(&canvas);
        document.drawContents(&painter);
    }
}

} // namespace

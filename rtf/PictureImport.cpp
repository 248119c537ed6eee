#include "rtf/PictureImport.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>

namespace {

// Larger pictures are refused before they are decoded.
constexpr qint64 kMaxSourcePixels = 120'000'000;
constexpr int kMaxSourceSide = 30000;

QImage Scaled(const QImage& image)
{
    if (std::max(image.width(), image.height()) <= PictureImport::kMaxSide) {
        return image;
    }
    return image.scaled(PictureImport::kMaxSide, PictureImport::kMaxSide, Qt::KeepAspectRatio,
                        Qt::SmoothTransformation);
}

// The pixels alone: a copy that carries none of the text keys a PNG or JPEG
// reader attached to the image.
QImage PixelsOnly(const QImage& image)
{
    const QImage bare(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                      image.format());
    QImage copy = bare.copy();
    copy.setColorTable(image.colorTable());
    return copy;
}

QByteArray Encode(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    return writer.write(PixelsOnly(image)) ? bytes : QByteArray();
}

PictureImport Finish(RtfPicture::Kind kind, QByteArray data, QSize pixels)
{
    PictureImport result;
    if (data.isEmpty() || pixels.isEmpty()) {
        result.status = PictureImport::Unreadable;
        return result;
    }
    if (data.size() > PictureImport::kMaxBytes) {
        result.status = PictureImport::TooLarge;
        return result;
    }
    result.status = PictureImport::Ok;
    result.picture.kind = kind;
    result.picture.data = std::move(data);
    result.picture.pixelWidth = pixels.width();
    result.picture.pixelHeight = pixels.height();
    result.picture.goalWidth = pixels.width() * RtfPicture::kTwipsPerPixel;
    result.picture.goalHeight = pixels.height() * RtfPicture::kTwipsPerPixel;
    return result;
}

} // namespace

PictureImport PictureImport::FromImage(const QImage& image)
{
    if (image.isNull()) {
        return {};
    }
    const QImage scaled = Scaled(image);
    return Finish(RtfPicture::Png, Encode(scaled, "png", -1), scaled.size());
}

PictureImport PictureImport::FromFile(const QByteArray& bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kMaxSourceSide ||
        size.height() > kMaxSourceSide || qint64(size.width()) * size.height() > kMaxSourcePixels) {
        return {};
    }
    const bool jpeg = reader.format() == "jpeg";
    if (jpeg && std::max(size.width(), size.height()) <= kMaxSide &&
        reader.transformation() == QImageIOHandler::TransformationNone) {
        // Small enough and upright: the camera's bytes, less what is not
        // the picture, so that nothing is lost to a second compression.
        const QByteArray stripped = StripJpegMetadata(bytes);
        if (!stripped.isEmpty()) {
            return Finish(RtfPicture::Jpeg, stripped, size);
        }
    }
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    const QImage scaled = Scaled(image);
    if (jpeg) {
        return Finish(RtfPicture::Jpeg, Encode(scaled, "jpeg", kJpegQuality), scaled.size());
    }
    return Finish(RtfPicture::Png, Encode(scaled, "png", -1), scaled.size());
}

QByteArray PictureImport::StripJpegMetadata(const QByteArray& jpeg)
{
    const auto byte = [&jpeg](qsizetype i) { return static_cast<unsigned char>(jpeg[i]); };
    if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) {
        return {};
    }
    QByteArray out;
    out.reserve(jpeg.size());
    out.append(jpeg.constData(), 2);
    qsizetype i = 2;
    while (i + 1 < jpeg.size()) {
        if (byte(i) != 0xFF) {
            return {};
        }
        while (i + 1 < jpeg.size() && byte(i + 1) == 0xFF) {
            ++i; // fill bytes
        }
        if (i + 1 >= jpeg.size()) {
            return {};
        }
        const unsigned char marker = byte(i + 1);
        if (marker == 0xDA || marker == 0xD9) {
            // The compressed picture follows to the end: kept as it is.
            out.append(jpeg.constData() + i, jpeg.size() - i);
            return out;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            out.append(jpeg.constData() + i, 2);
            i += 2;
            continue;
        }
        if (i + 3 >= jpeg.size()) {
            return {};
        }
        const qsizetype length = qsizetype(byte(i + 2)) << 8 | byte(i + 3);
        if (length < 2 || i + 2 + length > jpeg.size()) {
            return {};
        }
        if (marker != 0xE1 && marker != 0xED && marker != 0xFE) {
            out.append(jpeg.constData() + i, 2 + length);
        }
        i += 2 + length;
    }
    return {};
}

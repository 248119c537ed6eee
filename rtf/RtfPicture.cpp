#include "rtf/RtfPicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextFormat>
#include <algorithm>
#include <atomic>

namespace {

enum Property
{
    KindProperty = QTextFormat::UserProperty + 0x5100,
    DataProperty,
    GroupProperty,
    PixelWidthProperty,
    PixelHeightProperty,
    GoalWidthProperty,
    GoalHeightProperty,
};

// What a picture without any stated size is shown as.
constexpr QSize kPlaceholderSize(160, 48);

int Sane(int twips)
{
    return twips > 0 && twips <= RtfPicture::kMaxTwips ? twips : 0;
}

} // namespace

QSize RtfPicture::ShownSize() const
{
    const auto pixels = [](int twips) { return std::max(1, twips / kTwipsPerPixel); };
    if (Sane(goalWidth) != 0 && Sane(goalHeight) != 0) {
        return {pixels(goalWidth), pixels(goalHeight)};
    }
    // Pixel counts as large as an RTF number can be: compared in twips
    // without overflowing.
    const auto sanePixels = [](int count) {
        return count > 0 && count <= RtfPicture::kMaxTwips / kTwipsPerPixel;
    };
    if (sanePixels(pixelWidth) && sanePixels(pixelHeight)) {
        return {pixelWidth, pixelHeight};
    }
    return kPlaceholderSize;
}

QTextImageFormat RtfPicture::ToFormat() const
{
    // Each image character gets a name of its own: the decoded pixels are
    // kept as the document's resource of that name.
    static std::atomic<quint64> counter{0};
    QTextImageFormat format;
    format.setName(QStringLiteral("dayloom-picture:%1").arg(++counter));
    const QSize shown = ShownSize();
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    format.setProperty(KindProperty, int(kind));
    if (kind == Other) {
        format.setProperty(GroupProperty, group);
    } else {
        format.setProperty(DataProperty, data);
    }
    format.setProperty(PixelWidthProperty, pixelWidth);
    format.setProperty(PixelHeightProperty, pixelHeight);
    format.setProperty(GoalWidthProperty, goalWidth);
    format.setProperty(GoalHeightProperty, goalHeight);
    return format;
}

QTextCharFormat RtfPicture::TextLook(QTextCharFormat format)
{
    for (const int property :
         {int(QTextFormat::ObjectType), int(QTextFormat::ObjectIndex), int(QTextFormat::ImageName),
          int(QTextFormat::ImageWidth), int(QTextFormat::ImageHeight), int(KindProperty),
          int(DataProperty), int(GroupProperty), int(PixelWidthProperty), int(PixelHeightProperty),
          int(GoalWidthProperty), int(GoalHeightProperty)}) {
        format.clearProperty(property);
    }
    return format;
}

std::optional<RtfPicture> RtfPicture::FromFormat(const QTextImageFormat& format)
{
    if (!format.hasProperty(KindProperty)) {
        return std::nullopt;
    }
    RtfPicture picture;
    picture.kind = Kind(std::clamp(format.intProperty(KindProperty), int(Png), int(Other)));
    picture.data = format.property(DataProperty).toByteArray();
    picture.group = format.property(GroupProperty).toByteArray();
    picture.pixelWidth = format.intProperty(PixelWidthProperty);
    picture.pixelHeight = format.intProperty(PixelHeightProperty);
    picture.goalWidth = format.intProperty(GoalWidthProperty);
    picture.goalHeight = format.intProperty(GoalHeightProperty);
    return picture;
}

QImage RtfPicture::Decode() const
{
    if (kind == Other || data.isEmpty()) {
        return {};
    }
    QByteArray bytes = data; // shared, not copied
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&buffer, kind == Png ? "png" : "jpeg");
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kMaxDecodedSide ||
        size.height() > kMaxDecodedSide ||
        qint64(size.width()) * size.height() > kMaxDecodedPixels) {
        return {};
    }
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    return image;
}

QString RtfPicture::MimeType() const
{
    switch (kind) {
    case Png:
        return QStringLiteral("image/png");
    case Jpeg:
        return QStringLiteral("image/jpeg");
    case Other:
        break;
    }
    return {};
}

QString RtfPicture::Suffix() const
{
    switch (kind) {
    case Png:
        return QStringLiteral("png");
    case Jpeg:
        return QStringLiteral("jpg");
    case Other:
        break;
    }
    return {};
}

QString RtfPicture::DataUrl() const
{
    if (kind == Other) {
        return {};
    }
    return QStringLiteral("data:") + MimeType() + QStringLiteral(";base64,") +
           QString::fromLatin1(data.toBase64());
}

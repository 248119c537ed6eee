#include "rtf/PictureObject.h"

#include "rtf/RtfPicture.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QTextDocument>
#include <QTextFormat>
#include <QUrl>

void CPictureObject::Install(QTextDocument& document)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    if (dynamic_cast<CPictureObject*>(layout->handlerForObject(QTextFormat::ImageObject)) !=
        nullptr) {
        return;
    }
    layout->registerHandler(QTextFormat::ImageObject, new CPictureObject(layout));
}

QSizeF CPictureObject::FittedSize(QSizeF shown, qreal width)
{
    if (width <= 0 || shown.width() <= width || shown.width() <= 0) {
        return shown;
    }
    return {width, shown.height() * width / shown.width()};
}

QImage CPictureObject::ImageOf(QTextDocument& document, const QTextImageFormat& format)
{
    const QUrl name(format.name());
    const QVariant kept = document.resource(QTextDocument::ImageResource, name);
    if (kept.userType() == QMetaType::QImage) {
        return kept.value<QImage>();
    }
    if (kept.userType() == QMetaType::QPixmap) {
        return kept.value<QPixmap>().toImage();
    }
    QImage image;
    if (const std::optional<RtfPicture> picture = RtfPicture::FromFormat(format)) {
        image = picture->Decode();
    } else if (kept.userType() == QMetaType::QByteArray) {
        image.loadFromData(kept.toByteArray());
    }
    // Kept even when null, so that a damaged picture is decoded only once.
    document.addResource(QTextDocument::ImageResource, name, image);
    return image;
}

QSizeF CPictureObject::intrinsicSize(QTextDocument* document, int, const QTextFormat& format)
{
    const QTextImageFormat image = format.toImageFormat();
    QSizeF shown(image.width(), image.height());
    if (shown.width() <= 0 || shown.height() <= 0) {
        const QImage pixels = ImageOf(*document, image);
        shown = pixels.isNull() ? QSizeF(160, 48) : QSizeF(pixels.size());
    }
    // On a printer the document works in the printer's dots.
    if (const QPaintDevice* device = document->documentLayout()->paintDevice()) {
        shown *= device->logicalDpiX() / 96.0;
    }
    const qreal page =
        document->pageSize().width() > 0 ? document->pageSize().width() : document->textWidth();
    return FittedSize(shown, page > 0 ? page - 2 * document->documentMargin() : 0);
}

void CPictureObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                                const QTextFormat& format)
{
    const QImage image = ImageOf(*document, format.toImageFormat());
    if (!image.isNull()) {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(rect, image);
        painter->restore();
        return;
    }
    painter->save();
    painter->setPen(QPen(Qt::gray, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setPen(Qt::darkGray);
    painter->drawText(rect, Qt::AlignCenter, QStringLiteral("[picture]"));
    painter->restore();
}

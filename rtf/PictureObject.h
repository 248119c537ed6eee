// Lays out and draws the pictures of a document: each at its shown size, made
// smaller (never larger) to fit the width of the page or view, and pictures
// that cannot be shown as a framed "[picture]".
#pragma once

#include <QImage>
#include <QObject>
#include <QSizeF>
#include <QTextObjectInterface>

class QTextDocument;

class CPictureObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // Makes the document's layout draw its image characters this way.
    static void Install(QTextDocument& document);

    // The size a picture of this shown size takes in a text this wide (a
    // width of 0 or less: no limit).
    static QSizeF FittedSize(QSizeF shown, qreal width);
    // The picture of an image character, decoded once and kept as the
    // document's resource; a null image when it cannot be shown.
    static QImage ImageOf(QTextDocument& document, const QTextImageFormat& format);

    QSizeF intrinsicSize(QTextDocument* document, int positionInDocument,
                         const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                    int positionInDocument, const QTextFormat& format) override;

private:
    using QObject::QObject;
};

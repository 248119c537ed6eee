// A picture of an entry: what a \pict group of the stored RTF holds, and how
// a document carries it as an image character between reading and writing.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

class QTextDocument;
class QTextCharFormat;
class QTextImageFormat;

struct RtfPicture
{
    enum Kind
    {
        Png,
        Jpeg,
        // WMF, EMF, DIB and whatever else: shown as a placeholder, kept as read.
        Other
    };

    Kind kind = Other;
    // The encoded picture (PNG or JPEG file bytes); empty for Other.
    QByteArray data;
    // The whole {\pict ...} group as read, written back unchanged; Other only.
    QByteArray group;
    // The picture's own size in pixels as the group states it (0 when not stated).
    int pixelWidth = 0;
    int pixelHeight = 0;
    // The size it is shown at, in twips (0 when not stated).
    int goalWidth = 0;
    int goalHeight = 0;

    // Twips are 1/1440 inch; the document works in pixels at 96 dots per inch.
    static constexpr int kTwipsPerPixel = 15;
    // Sides beyond this are no real picture: the size is not believed.
    static constexpr int kMaxTwips = 20 * 1440 * 15;
    // Pictures are decoded for showing only up to this many pixels.
    static constexpr qint64 kMaxDecodedPixels = 40'000'000;
    static constexpr int kMaxDecodedSide = 16384;

    // The size to show the picture at, in document pixels, never empty.
    QSize ShownSize() const;

    // The document format of the image character standing for the picture.
    QTextImageFormat ToFormat() const;
    // The text look of a character format without anything of a picture: a
    // picture carries the look of the text around it, so that what is typed
    // after it goes on in the same font.
    static QTextCharFormat TextLook(QTextCharFormat format);
    // The picture behind an image character; nullopt for an image that did not
    // come from RTF (pasted HTML), which the writer then encodes itself.
    static std::optional<RtfPicture> FromFormat(const QTextImageFormat& format);

    // The decoded pixels of a PNG or JPEG picture; a null image for any other
    // kind and for data that is damaged or states sizes beyond the limits.
    QImage Decode() const;

    // "image/png" or "image/jpeg"; empty for Other.
    QString MimeType() const;
    // "png" or "jpg"; empty for Other.
    QString Suffix() const;
    // A data: URL holding the picture, for an HTML page; empty for Other.
    QString DataUrl() const;
};

// Turns a picture file or a pasted image into a picture an entry stores:
// JPEG stays JPEG (re-encoded at quality 85 only when it must change), every
// other kind becomes PNG; the longest side is at most kMaxSide pixels, and
// nothing but the pixels is kept (no EXIF, with its camera and place).
#pragma once

#include "rtf/RtfPicture.h"

#include <QByteArray>
#include <QImage>

struct PictureImport
{
    enum Status
    {
        Ok,
        Unreadable,
        // Larger than kMaxBytes even after scaling down.
        TooLarge
    };

    static constexpr int kMaxSide = 1600;
    static constexpr qsizetype kMaxBytes = 2 * 1024 * 1024;
    static constexpr int kJpegQuality = 85;

    Status status = Unreadable;
    RtfPicture picture;

    // The contents of a picture file.
    static PictureImport FromFile(const QByteArray& bytes);
    static PictureImport FromImage(const QImage& image);

    // The JPEG without its APP1 (EXIF, XMP), APP13 (IPTC) and comment
    // segments; empty when the data is no well-formed JPEG.
    static QByteArray StripJpegMetadata(const QByteArray& jpeg);
};

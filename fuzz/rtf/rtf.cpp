// Feeds arbitrary bytes to the RTF reader and checks what must always hold:
// no crash or hang, plain text equal to the document's text, 7-bit output
// without zero bytes, and a byte-stable write -> read -> write. The document
// is also drawn, so that its pictures are decoded.
#include "rtf/Rtf.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "RTF invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Documents lay out text with fonts, which needs a GUI application.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    QTextDocument document;
    RtfToDocument(rtf, document);
    Check(RtfToPlainText(rtf) == document.toPlainText(), "plain text differs from the document");
    {
        document.setTextWidth(200);
        QImage canvas(200, 200, QImage::Format_RGB32);
        QPainter painter(&canvas);
        document.drawContents(&painter);
    }

    const std::string written = DocumentToRtf(document);
    for (char c : written) {
        const auto byte = static_cast<unsigned char>(c);
        Check(byte != 0 && byte < 0x80, "output is not 7-bit text without zero bytes");
    }
    QTextDocument copy;
    RtfToDocument(written, copy);
    Check(copy.toPlainText() == document.toPlainText(), "text changed by write and read");
    Check(DocumentToRtf(copy) == written, "writing is not byte-stable");
    return 0;
}

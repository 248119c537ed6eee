#include "rtf/Rtf.h"

#include "rtf/RtfDocumentSink.h"
#include "rtf/RtfPlainTextSink.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>

QString RtfToPlainText(std::string_view rtf)
{
    CRtfReader reader;
    CRtfPlainTextSink sink;
    reader.Parse(rtf, sink);
    return sink.TakeText();
}

void RtfToDocument(std::string_view rtf, QTextDocument& document)
{
    // Loading is not an edit the user could undo.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    {
        QTextCursor batch(&document);
        batch.beginEditBlock();
        CRtfReader reader;
        CRtfDocumentSink sink(document, reader);
        reader.Parse(rtf, sink);
        batch.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
}

std::string DocumentToRtf(const QTextDocument& document)
{
    return CRtfWriter(document).Write();
}

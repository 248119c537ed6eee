#pragma once

#include "rtf/RtfReader.h"

// Collects the text exactly as QTextDocument::toPlainText() would give it
// for the document built from the same RTF.
class CRtfPlainTextSink : public CRtfReader::Sink
{
public:
    void Text(QStringView text, const RtfCharState& format) override;
    void ParagraphEnd(const RtfParState& paragraph, const RtfCharState& format) override;
    void Finish(const RtfParState& paragraph, const RtfCharState& format) override;
    void Picture(const RtfPicture& picture, const RtfCharState& format) override;
    // Only the picture's place matters here.
    bool WantsPictureData() const override { return false; }

    QString TakeText() { return std::move(m_strText); }

private:
    QString m_strText;
};

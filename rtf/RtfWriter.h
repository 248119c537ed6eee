#pragma once

#include <QRgb>
#include <QString>
#include <QStringView>
#include <string>
#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextImageFormat;

// Writes a document as canonical 7-bit RTF: every paragraph starts with
// \pard and its properties, every change of character format writes \plain
// and the whole format, so the bytes depend only on the text and formats.
class CRtfWriter
{
public:
    explicit CRtfWriter(const QTextDocument& document);

    std::string Write();

private:
    struct Style
    {
        int font = 0;
        int halfPoints = 24;
        int foreground = 0;
        int background = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        int vertical = 0;

        bool operator==(const Style&) const = default;
    };

    Style StyleOf(const QTextCharFormat& format);
    int FontIndex(const QTextCharFormat& format);
    int ColourIndex(QRgb colour);
    void WriteParagraph(const QTextBlock& block);
    // Writes the picture of an image character; false when it has none.
    bool WritePicture(const QTextImageFormat& format);
    void WriteStyle(const Style& style);
    // Writes what of the text RTF can carry; false when nothing was written.
    bool WriteRun(QStringView text, const Style& style);
    void WriteWord(const char* word);
    void WriteWord(const char* word, long long value);
    void WriteLiteral(char c);
    void WriteUnicode(char16_t c, std::string& out);
    static QString CleanFontName(const QString& name);

    const QTextDocument& m_document;
    QString m_strDefaultFamily;
    int m_nDefaultHalfPoints = 24;
    std::vector<QString> m_fonts;
    std::vector<QRgb> m_colours;
    std::string m_body;
    Style m_current;
    bool m_bHaveStyle = false;
    bool m_bDelimit = false; // the last thing written was a control word
};

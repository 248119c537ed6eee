#pragma once
// The pictures of exported entries: inline in an HTML page (data: URLs),
// files in a folder beside a Markdown file ("NAME-pictures/", referred to
// relatively), "[picture]" in plain text. A picture of a kind the program
// cannot show is "[picture]" everywhere.

#include <QString>
#include <QStringList>
#include <cstdint>

class QTextDocument;

class CExportPictures
{
public:
    // Pictures for the Markdown file at exportPath.
    explicit CExportPictures(const QString& exportPath);
    // Removes the picture files written, unless Keep() was called.
    ~CExportPictures();
    CExportPictures(const CExportPictures&) = delete;
    CExportPictures& operator=(const CExportPictures&) = delete;

    static inline const QString kPlaceholder = QStringLiteral("[picture]");

    // "NAME-pictures" for ".../NAME.md".
    static QString FolderName(const QString& exportPath);
    // The document's text with "[picture]" for each picture.
    static QString PlainText(const QTextDocument& document);
    // Points every picture of the document at a data: URL holding it.
    static void InlinePictures(QTextDocument& document);

    // Writes the document's pictures into the folder (made when needed) and
    // points them at the files. time names the files. Throws CFileError.
    void SavePictures(QTextDocument& document, int64_t time);
    // The export succeeded: the files stay.
    void Keep() { m_bKept = true; }

private:
    QString m_strFolder;    // the folder's full path
    QString m_strReference; // the folder as the Markdown file refers to it
    bool m_bMadeFolder = false;
    bool m_bKept = false;
    QStringList m_written;
    int m_nCount = 0;
};

#include "export/ExportPictures.h"

#include "rtf/RtfPicture.h"
#include "store/AtomicFile.h"
#include "store/FileError.h"
#include "store/TimeText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace {

// Hands each picture of the document, from the last to the first, to the
// function with a cursor that selects it and its number (from 0, first to last).
void ForEachPicture(QTextDocument& document,
                    const std::function<void(QTextCursor&, const QTextImageFormat&, int)>& visit)
{
    std::vector<int> positions;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) {
                continue;
            }
            const QString text = fragment.text();
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text[i] == QChar::ObjectReplacementCharacter) {
                    positions.push_back(fragment.position() + int(i));
                }
            }
        }
    }
    QTextCursor cursor(&document);
    for (int i = int(positions.size()) - 1; i >= 0; --i) {
        cursor.setPosition(positions[size_t(i)]);
        cursor.setPosition(positions[size_t(i)] + 1, QTextCursor::KeepAnchor);
        visit(cursor, cursor.charFormat().toImageFormat(), i);
    }
}

void PointAt(QTextCursor& cursor, QTextImageFormat format, const QString& name)
{
    format.setName(name);
    format.setProperty(QTextFormat::ImageAltText, QStringLiteral("picture"));
    cursor.setCharFormat(format);
}

} // namespace

CExportPictures::CExportPictures(const QString& exportPath)
{
    const QFileInfo info(exportPath);
    m_strReference = FolderName(exportPath);
    m_strFolder = info.dir().filePath(m_strReference);
}

CExportPictures::~CExportPictures()
{
    if (m_bKept) {
        return;
    }
    for (const QString& path : m_written) {
        QFile::remove(path);
    }
    if (m_bMadeFolder) {
        QDir().rmdir(m_strFolder);
    }
}

QString CExportPictures::FolderName(const QString& exportPath)
{
    return QFileInfo(exportPath).completeBaseName() + QStringLiteral("-pictures");
}

QString CExportPictures::PlainText(const QTextDocument& document)
{
    QString text = document.toPlainText();
    text.replace(QChar::ObjectReplacementCharacter, kPlaceholder);
    return text;
}

void CExportPictures::InlinePictures(QTextDocument& document)
{
    ForEachPicture(document, [](QTextCursor& cursor, const QTextImageFormat& format, int) {
        const std::optional<RtfPicture> picture = RtfPicture::FromFormat(format);
        if (picture && picture->kind != RtfPicture::Other) {
            PointAt(cursor, format, picture->DataUrl());
        } else {
            cursor.insertText(kPlaceholder, QTextCharFormat());
        }
    });
}

void CExportPictures::SavePictures(QTextDocument& document, int64_t time)
{
    const QString stem = QString::fromStdString(FormatTime("%Y-%m-%d-%H%M%S", time));
    int last = m_nCount;
    ForEachPicture(document, [&](QTextCursor& cursor, const QTextImageFormat& format, int number) {
        const std::optional<RtfPicture> picture = RtfPicture::FromFormat(format);
        if (!picture || picture->kind == RtfPicture::Other) {
            cursor.insertText(kPlaceholder, QTextCharFormat());
            return;
        }
        if (!QFileInfo(m_strFolder).isDir()) {
            const QByteArray folder = QFile::encodeName(m_strFolder);
            if (::mkdir(folder.constData(), 0700) != 0) {
                throw CFileError(FileErrorCause::AccessDenied, folder.toStdString());
            }
            m_bMadeFolder = true;
        }
        const QString name =
            QStringLiteral("%1-%2.%3").arg(stem).arg(m_nCount + number + 1).arg(picture->Suffix());
        last = std::max(last, m_nCount + number + 1);
        const QString path = m_strFolder + QLatin1Char('/') + name;
        if (const FileResult written = CAtomicFile::Replace(
                QFile::encodeName(path).toStdString(),
                std::string_view(picture->data.constData(), size_t(picture->data.size())),
                CAtomicFile::TempName::Unique);
            !written.ok()) {
            throw CFileError(written.cause, written.path);
        }
        m_written.append(path);
        PointAt(cursor, format,
                QString::fromLatin1(QUrl::toPercentEncoding(m_strReference)) + QLatin1Char('/') +
                    name);
    });
    m_nCount = last;
}

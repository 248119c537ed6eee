#pragma once
// What the import tests share: the sample exports, local times (the zone is
// pinned), a folder, and what the entry view shows of an imported entry.

#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"
#include "store/TimeText.h"
#include "tests/support/WidgetTestSupport.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Failures print texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace importtest {

inline QString Sample(const QString& name)
{
    return QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/import/") + name;
}

inline std::string When(int64_t time)
{
    return FormatTime("%Y-%m-%d %H:%M:%S", time);
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the entry view shows of an entry's RTF: the words that are bold,
// joined by "|", and the pictures, in order.
struct Shown
{
    QString bold;
    std::vector<RtfPicture> pictures;
};

inline Shown ShownOf(const std::string& rtf)
{
    QTextDocument document;
    RtfToDocument(rtf, document);
    Shown shown;
    QStringList bold;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.fontWeight() >= QFont::Bold) {
                bold.append(it.fragment().text());
            }
            if (auto picture = RtfPicture::FromFormat(format.toImageFormat())) {
                shown.pictures.push_back(std::move(*picture));
            }
        }
    }
    shown.bold = bold.join(QLatin1Char('|'));
    return shown;
}

// A pinned zone and a folder of the test's own.
class ImportFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        widgettest::PinTimeZone("Europe/Berlin");
        ASSERT_TRUE(m_dir.isValid());
    }

    // Writes `bytes` to the file `name` in the folder; its path.
    QString Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

} // namespace importtest

#include "print/PrintJob.h"

#include <QFile>
#include <QPrinter>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A printed entry is diary data: a file the job is about to write is
// readable by its owner only, created so, or made so when it exists (its old
// content is replaced anyway). True when the file was created here.
bool CreatePrivately(const QString& fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int existing = ::open(path.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        if (existing >= 0) {
            ::fchmod(existing, 0600);
            ::close(existing);
        }
        return false;
    }
    ::close(fd);
    return true;
}

} // namespace

CPrintJob::CPrintJob(QPrinter& printer) : m_printer(printer) {}

CPrintJob::~CPrintJob()
{
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

bool CPrintJob::Start(const QString& documentName)
{
    m_printer.setDocName(documentName);
    m_printer.setCreator(QStringLiteral("Dayloom"));
    const QString outputFile = m_printer.outputFileName();
    const bool created = !outputFile.isEmpty() && CreatePrivately(outputFile);
    if (!m_painter.begin(&m_printer)) {
        if (created) {
            QFile::remove(outputFile);
        }
        return false;
    }
    m_nPagesStarted = 0;
    return true;
}

CPrintJob::Metrics CPrintJob::ReadMetrics() const
{
    return {m_printer.width(), m_printer.height(), m_printer.logicalDpiX(),
            m_printer.logicalDpiY()};
}

bool CPrintJob::StartPage()
{
    // The job opened its first page when it started.
    if (m_nPagesStarted++ == 0) {
        return true;
    }
    return m_printer.newPage();
}

bool CPrintJob::EndPage()
{
    return m_printer.printerState() != QPrinter::Error;
}

bool CPrintJob::End()
{
    const bool ended = m_painter.end();
    return ended && m_printer.printerState() != QPrinter::Error;
}

void CPrintJob::Abort()
{
    m_printer.abort();
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

#include "print/PrintJob.h"

#include <QPrinter>

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
    if (!m_painter.begin(&m_printer)) {
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

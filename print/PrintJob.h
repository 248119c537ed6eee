#pragma once
// One print job on a chosen printer, in the steps the entry printer takes:
// start the job, read the printer's metrics, start and end each page, end
// the job. Each step reports success, so a test can make any one of them fail
// by overriding it.

#include <QPainter>

class QPrinter;

class CPrintJob
{
public:
    struct Metrics
    {
        int width = 0; // printable area in device units
        int height = 0;
        int dpiX = 0; // device units per inch
        int dpiY = 0;
    };

    explicit CPrintJob(QPrinter& printer);
    virtual ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    QPrinter& Printer() { return m_printer; }
    QPainter& Painter() { return m_painter; }

    // Starts the job under the given document name; the first page comes
    // with it.
    virtual bool Start(const QString& documentName);
    virtual Metrics ReadMetrics() const;
    virtual bool StartPage();
    virtual bool EndPage();
    virtual bool End();
    // Ends a job that is not to be finished.
    virtual void Abort();

private:
    QPrinter& m_printer;
    QPainter m_painter;
    int m_nPagesStarted = 0;
};

#include "platform/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <deque>

namespace {
struct Script
{
    bool scripted = false;
    std::deque<std::optional<QString>> answers;
    int shown = 0;
};

Script& State()
{
    static Script script;
    return script;
}
} // namespace

bool CPrintDialog::Exec(QWidget* parent, QPrinter& printer)
{
    Script& script = State();
    if (script.scripted) {
        ++script.shown;
        if (script.answers.empty()) {
            return false;
        }
        const std::optional<QString> answer = std::move(script.answers.front());
        script.answers.pop_front();
        if (!answer) {
            return false;
        }
        // A PDF on A4 paper without margins: the same printable area on
        // every machine.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*answer);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        return true;
    }

    QPrintDialog dialog(&printer, parent);
    // Whole entries only. Printing to a file stays on offer: on a desktop
    // without a print server it is the only printer there is.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

void CPrintDialog::SetScripted(bool scripted)
{
    State().scripted = scripted;
}

void CPrintDialog::PushAnswer(std::optional<QString> pdfFile)
{
    State().answers.push_back(std::move(pdfFile));
}

int CPrintDialog::Shown()
{
    return State().shown;
}

void CPrintDialog::Reset()
{
    State().answers.clear();
    State().shown = 0;
}

#include "platform/PrintDialog.h"

#include "platform/Script.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
// Queued PDF files (nullopt: Cancel) in; one record per dialog shown.
CScript<std::optional<QString>>& Script()
{
    static CScript<std::optional<QString>> script;
    return script;
}
} // namespace

bool CPrintDialog::Exec(QWidget* parent, QPrinter& printer)
{
    if (Script().IsOn()) {
        Script().Record({});
        const std::optional<QString> answer = Script().Next().value_or(std::nullopt);
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
    Script().SetOn(scripted);
}

void CPrintDialog::PushAnswer(std::optional<QString> pdfFile)
{
    Script().Push(std::move(pdfFile));
}

int CPrintDialog::Shown()
{
    return static_cast<int>(Script().Recorded().size());
}

void CPrintDialog::Reset()
{
    Script().Reset();
}

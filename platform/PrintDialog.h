#pragma once
// The print dialog, with a scripted mode for tests.

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

class CPrintDialog
{
public:
    // Lets the user choose the printer and its settings for `printer` (no
    // page range, no selection). True when Print was pressed; the printer
    // then holds the choice.
    static bool Exec(QWidget* parent, QPrinter& printer);

    // Scripted mode: no window; each call takes the next queued answer, a PDF
    // file the printer is pointed at ("Print"; A4 portrait, no margins) or
    // nullopt ("Cancel").
    // Nothing queued = Cancel. Every call is counted.
    static void SetScripted(bool scripted);
    static void PushAnswer(std::optional<QString> pdfFile);
    static int Shown();
    static void Reset(); // drops queued answers and the count
};

#pragma once
// "Import from another program": what an import will do, shown before
// anything is written. It names the export and its kind, says how many
// entries will be added and how many skipped because the diary holds them
// already, lists the entries to be added (date and first line) and every
// file or record that could not be read, with where and why. Import is the
// default button; Cancel writes nothing.

#include <QDialog>

class CImportPlan;

class CImportPreviewDlg : public QDialog
{
    Q_OBJECT
public:
    CImportPreviewDlg(QWidget* parent, const QString& source, const CImportPlan& plan);

    // "12 entries will be added, 3 skipped (already in the diary)."
    static QString Summary(int added, int skipped, bool done);
    // The problems as lines, at most `limit` of them and a last line saying
    // how many more there are.
    static QString ProblemLines(const CImportPlan& plan, int limit);
};

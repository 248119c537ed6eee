#pragma once
// "Export Diary": every entry (preselected) or the entries of a range of
// days, both ends included. OK is the default button; every control has a
// mnemonic.

#include "export/DiaryExporter.h"

#include <QDate>
#include <QDialog>

class QDateEdit;
class QRadioButton;

class CExportOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    // first and last: the dates the range proposes (the diary's first and
    // last entry).
    CExportOptionsDlg(QWidget* parent, const QDate& first, const QDate& last);

    ExportRange Range() const;

    void accept() override; // a range that ends before it begins is refused

private:
    QRadioButton* m_pAll = nullptr;
    QRadioButton* m_pRange = nullptr;
    QDateEdit* m_pFrom = nullptr;
    QDateEdit* m_pTo = nullptr;
};

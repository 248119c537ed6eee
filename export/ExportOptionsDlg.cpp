#include "export/ExportOptionsDlg.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDateEdit* DateEdit(QWidget* parent, const QDate& date)
{
    auto* edit = new QDateEdit(date, parent);
    edit->setLocale(CTranslations::Locale()); // month names as the entry list shows them
    edit->setDisplayFormat(QStringLiteral("dd MMM yyyy"));
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

CExportOptionsDlg::CExportOptionsDlg(QWidget* parent, const QDate& first, const QDate& last)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ExportOptionsDlg"));
    setWindowTitle(CAppInfo::Caption(tr("Export Diary")));

    m_pAll = new QRadioButton(tr("&All entries"), this);
    m_pRange = new QRadioButton(tr("Entries &dated"), this);
    m_pAll->setChecked(true);
    m_pFrom = DateEdit(this, first);
    m_pTo = DateEdit(this, last);
    auto* fromLabel = new QLabel(tr("&From:"), this);
    auto* toLabel = new QLabel(tr("&To:"), this);
    fromLabel->setBuddy(m_pFrom);
    toLabel->setBuddy(m_pTo);

    auto* dates = new QGridLayout;
    dates->setContentsMargins(24, 0, 0, 0);
    dates->addWidget(fromLabel, 0, 0);
    dates->addWidget(m_pFrom, 0, 1);
    dates->addWidget(toLabel, 1, 0);
    dates->addWidget(m_pTo, 1, 1);

    const auto enableDates = [this, fromLabel, toLabel](bool on) {
        for (QWidget* w : {static_cast<QWidget*>(m_pFrom), static_cast<QWidget*>(m_pTo),
                           static_cast<QWidget*>(fromLabel), static_cast<QWidget*>(toLabel)}) {
            w->setEnabled(on);
        }
    };
    enableDates(false);
    connect(m_pRange, &QRadioButton::toggled, this, enableDates);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pAll);
    layout->addWidget(m_pRange);
    layout->addLayout(dates);
    layout->addWidget(buttons);
}

ExportRange CExportOptionsDlg::Range() const
{
    if (m_pAll->isChecked()) {
        return {};
    }
    return {m_pFrom->date(), m_pTo->date()};
}

void CExportOptionsDlg::accept()
{
    if (m_pRange->isChecked() && m_pTo->date() < m_pFrom->date()) {
        CMessageBox::Show(this, tr("The range ends before it begins."), windowTitle());
        m_pTo->setFocus();
        return;
    }
    QDialog::accept();
}

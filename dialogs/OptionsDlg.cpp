#include "dialogs/OptionsDlg.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/SaveCancelHelpRow.h"
#include "platform/Settings.h"
#include "ratings/RatingLabels.h"
#include "widgets/SpellChecker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString Caption(int value)
{
    return value > 0 ? QString("+%1").arg(value) : QString::number(value);
}
} // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("OptionsDlg");
    setWindowTitle(CAppInfo::Caption(tr("Options")));

    for (size_t i = 0; i < CSettings::kRatingLabels.size(); ++i) {
        m_strLabels[i] = CSettings::Get(CSettings::kRatingLabels[i]);
    }
    m_bOpenLastDiary = CSettings::Get(CSettings::kOpenLastDiary);
    m_nStartAlarmBefore = CSettings::Get(CSettings::kStartAlarmBefore);
    m_bShowOnThisDay = CSettings::Get(CSettings::kShowOnThisDay);
    m_bNotifyReminders = CSettings::Get(CSettings::kNotifyReminders);
    m_bCheckSpelling = CSettings::Get(CSettings::kCheckSpelling);
    m_nLockAfterMinutes = CSettings::Get(CSettings::kLockAfterMinutes);
    m_strSpellingLanguage = CSettings::Get(CSettings::kSpellingLanguage);

    BuildControls();
}

COptionsDlg::~COptionsDlg() = default;

void COptionsDlg::BuildControls()
{
    for (int mood = -3; mood <= 3; ++mood) {
        m_faces[mood + 3] = LoadFacePicture(mood);
    }

    struct Group
    {
        const char* title;
        RatingScale scale;
        QGridLayout* grid;
    };
    Group groups[] = {{QT_TR_NOOP("Mood"), RatingScale::Mood, nullptr},
                      {QT_TR_NOOP("Fatigue"), RatingScale::Fatigue, nullptr},
                      {QT_TR_NOOP("Shape"), RatingScale::Shape, nullptr},
                      {QT_TR_NOOP("Dream"), RatingScale::Dream, nullptr}};
    auto* main = new QVBoxLayout(this);
    for (Group& group : groups) {
        auto* box = new QGroupBox(tr(group.title), this);
        group.grid = new QGridLayout(box);
        main->addWidget(box);
    }

    const auto& keys = RatingLabelKeys();
    for (size_t i = 0; i < keys.size(); ++i) {
        const RatingLabelKey& key = keys[i];
        QGridLayout* grid = groups[static_cast<int>(key.scale)].grid;
        const int column = key.value - RatingLowest(key.scale);
        QWidget* box = grid->parentWidget();
        if (key.scale == RatingScale::Mood) {
            auto* face = new QLabel(box);
            face->setObjectName(QString("face%1").arg(key.value));
            face->setAlignment(Qt::AlignCenter);
            face->setPixmap(m_faces[key.value + 3]);
            grid->addWidget(face, 0, column);
        }
        // A plain line edit scrolls horizontally and has no length limit.
        auto* edit = new QLineEdit(m_strLabels[i], box);
        edit->setObjectName(key.key);
        // Read as "Mood +1", the group and the value under the field.
        edit->setAccessibleName(QString("%1 %2")
                                    .arg(groups[static_cast<int>(key.scale)].title)
                                    .arg(Caption(key.value)));
        edit->setMaxLength(32767);
        // Wide enough for the longest default label ("Depressed") with room
        // to spare, so no label starts out cut off.
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("Depressed") + 24);
        m_pLabelEdits[i] = edit;
        grid->addWidget(edit, 1, column);
        auto* caption = new QLabel(Caption(key.value), box);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 2, column);
    }

    auto* reminder = new QGroupBox(tr("Reminder"), this);
    auto* reminderRow = new QHBoxLayout(reminder);
    m_pDays = new QLineEdit(QString::number(m_nStartAlarmBefore), reminder);
    m_pDays->setObjectName("StartAlarmBefore");
    m_pDays->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_pDays));
    m_pDays->setMaximumWidth(50);
    m_pDays->setAccessibleName(tr("Days before an event it is marked as 'Soon'"));
    reminderRow->addWidget(new QLabel(tr("Mark as 'Soon'"), reminder));
    reminderRow->addWidget(m_pDays);
    reminderRow->addWidget(new QLabel(tr("day(s) before the event"), reminder));
    reminderRow->addStretch(1);
    main->addWidget(reminder);

    m_pOpenLast = new QCheckBox(tr("Open last diary at startup"), this);
    m_pOpenLast->setObjectName("OpenLastDiary");
    m_pOpenLast->setChecked(m_bOpenLastDiary != 0);
    main->addWidget(m_pOpenLast);
    m_pOnThisDay = new QCheckBox(tr("Show \"on this day\" under the reminders"), this);
    m_pOnThisDay->setObjectName("bShowOnThisDay");
    m_pOnThisDay->setChecked(m_bShowOnThisDay != 0);
    main->addWidget(m_pOnThisDay);
    m_pNotify = new QCheckBox(tr("Show today's reminders as desktop notifications"), this);
    m_pNotify->setObjectName("bNotifyReminders");
    m_pNotify->setToolTip(
        tr("An encrypted diary's notification gives only the number of reminders"));
    m_pNotify->setChecked(m_bNotifyReminders != 0);
    main->addWidget(m_pNotify);

    // "Lock the diary after N minutes without use".
    auto* lockRow = new QHBoxLayout;
    auto* lockBefore = new QLabel(tr("&Lock the diary after"), this);
    m_pLockMinutes = new QSpinBox(this);
    m_pLockMinutes->setObjectName("LockAfterMinutes");
    m_pLockMinutes->setRange(0, kMaxLockMinutes);
    m_pLockMinutes->setValue(std::clamp(m_nLockAfterMinutes, 0, kMaxLockMinutes));
    m_pLockMinutes->setSpecialValueText(tr("never"));
    m_pLockMinutes->setAccessibleName(tr("Minutes without use before the diary locks"));
    m_pLockMinutes->setToolTip(tr("0 never locks the diary by itself"));
    lockBefore->setBuddy(m_pLockMinutes);
    lockRow->addWidget(lockBefore);
    lockRow->addWidget(m_pLockMinutes);
    lockRow->addWidget(new QLabel(tr("minutes without use"), this));
    lockRow->addStretch(1);
    main->addLayout(lockRow);

    BuildSpelling(main);

    QHBoxLayout* buttons = CSaveCancelHelpRow::Create(this, HelpContext::Options);
    main->addSpacing(4);
    main->addLayout(buttons);
}

void COptionsDlg::BuildSpelling(QVBoxLayout* main)
{
    auto* box = new QGroupBox(tr("Spelling"), this);
    auto* rows = new QVBoxLayout(box);
    m_pCheckSpelling = new QCheckBox(tr("Check spelling while typing"), box);
    m_pCheckSpelling->setObjectName("bCheckSpelling");
    m_pCheckSpelling->setChecked(m_bCheckSpelling != 0);
    rows->addWidget(m_pCheckSpelling);

    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(new QLabel(tr("Language:"), box));
    m_pLanguage = new QComboBox(box);
    m_pLanguage->setObjectName("SpellingLanguage");
    const QStringList installed = CSpellChecker::InstalledLanguages();
    if (installed.isEmpty()) {
        m_pLanguage->setEnabled(false);
        languageRow->addWidget(m_pLanguage);
        languageRow->addWidget(new QLabel(tr("No spelling dictionary is installed."), box));
    } else {
        m_pLanguage->addItems(installed);
        const QString chosen = installed.contains(m_strSpellingLanguage)
                                   ? m_strSpellingLanguage
                                   : CSpellChecker::DefaultLanguage(installed, QLocale::system());
        m_pLanguage->setCurrentIndex(std::max(0, static_cast<int>(installed.indexOf(chosen))));
        languageRow->addWidget(m_pLanguage);
        connect(m_pCheckSpelling, &QCheckBox::toggled, m_pLanguage, &QWidget::setEnabled);
        m_pLanguage->setEnabled(m_pCheckSpelling->isChecked());
    }
    languageRow->addStretch(1);
    rows->addLayout(languageRow);
    main->addWidget(box);
}

void COptionsDlg::accept()
{
    bool ok = false;
    const int days = QLocale::c().toInt(m_pDays->text().trimmed(), &ok);
    QString refusal;
    if (!ok) {
        refusal = tr("Please enter an integer.");
    } else if (days < kMinDays || days > kMaxDays) {
        refusal = tr("Please enter an integer between %1 and %2.").arg(kMinDays).arg(kMaxDays);
    }
    if (!refusal.isEmpty()) {
        CMessageBox::Show(this, refusal, CAppInfo::Title(), CMessageBox::Icon::Exclamation);
        m_pDays->setFocus();
        m_pDays->selectAll();
        return;
    }

    for (size_t i = 0; i < m_pLabelEdits.size(); ++i) {
        m_strLabels[i] = m_pLabelEdits[i]->text();
    }
    m_bOpenLastDiary = m_pOpenLast->isChecked() ? 1 : 0;
    m_bShowOnThisDay = m_pOnThisDay->isChecked() ? 1 : 0;
    m_bNotifyReminders = m_pNotify->isChecked() ? 1 : 0;
    m_bCheckSpelling = m_pCheckSpelling->isChecked() ? 1 : 0;
    if (m_pLanguage->count() > 0) {
        m_strSpellingLanguage = m_pLanguage->currentText();
    }
    m_nStartAlarmBefore = days;
    m_nLockAfterMinutes = m_pLockMinutes->value();

    // Every value is written, changed or not, so that the settings hold each
    // key explicitly from the first save on.
    for (size_t i = 0; i < CSettings::kRatingLabels.size(); ++i) {
        CSettings::Set(CSettings::kRatingLabels[i], m_strLabels[i]);
    }
    CSettings::Set(CSettings::kOpenLastDiary, m_bOpenLastDiary);
    CSettings::Set(CSettings::kStartAlarmBefore, m_nStartAlarmBefore);
    CSettings::Set(CSettings::kShowOnThisDay, m_bShowOnThisDay);
    CSettings::Set(CSettings::kNotifyReminders, m_bNotifyReminders);
    CSettings::Set(CSettings::kCheckSpelling, m_bCheckSpelling);
    CSettings::Set(CSettings::kSpellingLanguage, m_strSpellingLanguage);
    CSettings::Set(CSettings::kLockAfterMinutes, m_nLockAfterMinutes);
    QDialog::accept();
}

#include "dialogs/NewEntryDlg.h"

#include "dialogs/NewEntryDlgDraft.h"
#include "dialogs/NewEntryDlgStore.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/FileErrorMessage.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "platform/Translations.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/TimeText.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/RatingSpin.h"
#include "widgets/SpellChecker.h"
#include "widgets/WordCountLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSet>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

namespace {
constexpr int kSmallestSize = 8;
constexpr int kSizeCount = 46; // "8" ... "98"
// Beyond this a point size is no longer text anyone writes with; such a
// setting can only come from a damaged or hand-edited settings file.
constexpr int kLargestSensibleSize = 1638;
constexpr int64_t kLatestStorableTime = std::numeric_limits<uint32_t>::max();

std::tm LocalTime(int64_t time)
{
    std::tm parts{};
    const std::time_t t = static_cast<std::time_t>(time);
    localtime_r(&t, &parts);
    return parts;
}

QDate LocalDate(int64_t time)
{
    const std::tm parts = LocalTime(time);
    return QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

// The size box item of a point size: the next lower even size, none below 8
// or above 98 (7 still shows as "8", as integer division truncates).
int SizeIndex(int points)
{
    const int index = (points - kSmallestSize) / 2;
    return index >= 0 && index < kSizeCount && points > 6 ? index : -1;
}

QToolButton* MakeFormatButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    // Reached with Tab, but a click leaves the focus in the text.
    button->setFocusPolicy(Qt::TabFocus);
    button->setMinimumWidth(28);
    return button;
}

// What the entry's RTF cannot hold: control characters other than the tab.
// (Paragraph and line breaks are not characters of the document's text.)
bool IsUnkeepable(QChar c)
{
    return c.unicode() < 0x20 && c != u'\t';
}

} // namespace

CNewEntryDlg::CNewEntryDlg(QWidget* parent, const CDiarySession& session, int64_t now)
    : QDialog(parent), m_tNow(now), m_session(session)
{
    const std::tm parts = LocalTime(now);
    m_strTime = QString::asprintf("%02d:%02d:%02d", parts.tm_hour, parts.tm_min, parts.tm_sec);
    m_tDateTime = now;

    setObjectName("NewEntryDlg");
    setWindowTitle(Caption());
    BuildControls();
    InitialiseState();
    m_pDraft = new CNewEntryDlgDraft(
        this, [this]() -> const CDiarySession& { return Session(); }, [this] { return Collect(); },
        [] { return CClock::Now(); });

    // Every change the user makes is one a draft must catch.
    connect(m_pEdit->document(), &QTextDocument::contentsChanged, this, &CNewEntryDlg::OnChanged);
    connect(m_pEdit->document(), &QTextDocument::contentsChange, this,
            [this](int from, int, int added) {
                if (m_bFilling) {
                    return;
                }
                for (int at = from; at < from + added; ++at) {
                    if (IsUnkeepable(m_pEdit->document()->characterAt(at))) {
                        // Not while the document is still telling of its change.
                        QMetaObject::invokeMethod(this, &CNewEntryDlg::DropUnkeepable,
                                                  Qt::QueuedConnection);
                        return;
                    }
                }
            });
    connect(m_pDate, &QDateEdit::dateChanged, this, &CNewEntryDlg::OnChanged);
    connect(m_pTime, &QTimeEdit::timeChanged, this, [this] {
        // The first and last days the diary can store depend on the hour.
        m_pDate->setDateRange(MinimumDate(), MaximumDate());
        OnChanged();
    });
    for (CRatingSpin* spin : {m_pMoodSpin, m_pFatigueSpin, m_pShapeSpin, m_pDreamSpin}) {
        connect(spin, &CRatingSpin::ValueChanged, this, &CNewEntryDlg::OnChanged);
    }
    for (QLineEdit* edit : {m_pWeight, m_pTemperature}) {
        connect(edit, &QLineEdit::textChanged, this, &CNewEntryDlg::OnChanged);
    }
    for (QCheckBox* box : {m_pMenstruus, m_pCopulation}) {
        connect(box, &QCheckBox::toggled, this, &CNewEntryDlg::OnChanged);
    }
}

CNewEntryDlg::~CNewEntryDlg() = default;

CNewEntryDlg::Outcome CNewEntryDlg::Run(QWidget* parent, const CDiarySession& session,
                                        std::optional<uint32_t> editIndex, int64_t now,
                                        bool reopening)
{
    CNewEntryDlg editor(parent, session, now);
    const QString caption = CAppInfo::Caption(editIndex ? tr("Edit Entry") : tr("New Entry"));
    if (const std::optional<EntryDraft> draft =
            CNewEntryDlgDraft::Offer(parent, session, caption, !reopening)) {
        editor.RestoreDraft(*draft);
    } else if (editIndex && !editor.LoadEntry(*editIndex)) {
        return {};
    }
    CModal::Exec(editor);
    return editor.Result();
}

void CNewEntryDlg::CloseForLock()
{
    m_pDraft->WriteIfChanged();
    m_outcome.closedByLock = true;
    QDialog::done(QDialog::Rejected);
}

const CDiarySession& CNewEntryDlg::Session()
{
    return m_session;
}

QString CNewEntryDlg::Caption() const
{
    return CAppInfo::Caption(m_edited ? tr("Edit Entry") : tr("New Entry"));
}

void CNewEntryDlg::SetEditing(std::optional<CNewEntryDlgStore::Identity> edited)
{
    m_edited = edited;
    setWindowTitle(Caption());
}

void CNewEntryDlg::SetBaseTime(int64_t time)
{
    m_tNow = time;
    m_tDateTime = time;
    const std::tm parts = LocalTime(time);
    m_strTime = QString::asprintf("%02d:%02d:%02d", parts.tm_hour, parts.tm_min, parts.tm_sec);
    m_pTime->setTime(QTime(parts.tm_hour, parts.tm_min, parts.tm_sec));
    m_pDate->setDateRange(MinimumDate(), MaximumDate());
    m_pDate->setDate(std::clamp(LocalDate(time), MinimumDate(), MaximumDate()));
}

EntryDraft CNewEntryDlg::Collect() const
{
    EntryDraft draft;
    if (m_edited) {
        draft.editing = true;
        draft.editedIndex = m_edited->index;
        draft.editedTime = m_edited->time;
        draft.editedTextOffset = m_edited->textOffset;
    }
    draft.time = ShownTime().value_or(m_tNow);
    draft.mood = m_pMoodSpin->Value();
    draft.fatigue = m_pFatigueSpin->Value();
    draft.shape = m_pShapeSpin->Value();
    draft.dream = m_pDreamSpin->Value();
    draft.copulation = m_pCopulation->isChecked();
    draft.menstruus = m_pMenstruus->isChecked();
    draft.weight = m_pWeight->text().toStdString();
    draft.temperature = m_pTemperature->text().toStdString();
    draft.rtf = m_pEdit->StreamOutRtf();
    return draft;
}

void CNewEntryDlg::Fill(const EntryDraft& draft)
{
    m_bFilling = true;
    SetBaseTime(draft.time);
    m_pMoodSpin->SetValue(draft.mood);
    m_pFatigueSpin->SetValue(draft.fatigue);
    m_pShapeSpin->SetValue(draft.shape);
    m_pDreamSpin->SetValue(draft.dream);
    m_nMood = m_pMoodSpin->Value();
    m_nFatigue = m_pFatigueSpin->Value();
    m_nShape = m_pShapeSpin->Value();
    m_nDream = m_pDreamSpin->Value();
    m_pMoodLabel->setText(LabelFor(m_labels, RatingScale::Mood, m_nMood));
    m_pFatigueLabel->setText(LabelFor(m_labels, RatingScale::Fatigue, m_nFatigue));
    m_pShapeLabel->setText(LabelFor(m_labels, RatingScale::Shape, m_nShape));
    m_pDreamLabel->setText(LabelFor(m_labels, RatingScale::Dream, m_nDream));
    m_pFace->setPixmap(m_faces[m_nMood + 3]);
    m_pCopulation->setChecked(draft.copulation);
    m_pMenstruus->setChecked(draft.menstruus);
    m_pWeight->setText(QString::fromStdString(draft.weight));
    m_pTemperature->setText(QString::fromStdString(draft.temperature));
    m_pEdit->StreamInRtf(draft.rtf);
    m_pEdit->moveCursor(QTextCursor::End);
    m_bFilling = false;
    UpdateFormatControls();
    m_pEdit->setFocus();
}

bool CNewEntryDlg::LoadEntry(uint32_t index)
{
    const auto loaded = CNewEntryDlgStore::Load(Session(), index);
    if (!loaded) {
        CMessageBox::Show(this, tr("This diary entry cannot be read, so it cannot be edited."),
                          CAppInfo::Caption(tr("Edit Entry")), CMessageBox::Icon::Exclamation);
        return false;
    }
    SetEditing(loaded->second);
    Fill(loaded->first);
    return true;
}

void CNewEntryDlg::RestoreDraft(const EntryDraft& draft)
{
    std::optional<CNewEntryDlgStore::Identity> edited;
    if (draft.editing) {
        edited = CNewEntryDlgStore::Identity{draft.editedIndex, draft.editedTime,
                                             draft.editedTextOffset};
        // The entry may have moved (or gone, which makes the draft a new entry).
        if (const auto index = CNewEntryDlgStore::Locate(Session(), *edited)) {
            edited->index = *index;
        } else {
            edited.reset();
        }
    }
    SetEditing(edited);
    Fill(draft);
}

void CNewEntryDlg::DropUnkeepable()
{
    QTextDocument* document = m_pEdit->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QStringList codes;
    int count = 0;
    for (int at = document->characterCount() - 1; at >= 0; --at) {
        const QChar c = document->characterAt(at);
        if (!IsUnkeepable(c)) {
            continue;
        }
        ++count;
        const QString code = QString::asprintf("U+%04X", c.unicode());
        if (!codes.contains(code)) {
            codes.prepend(code);
        }
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    if (count == 0) {
        return;
    }
    CMessageBox::Show(this,
                      (count == 1
                           ? tr("An entry cannot keep control characters; 1 of them (%1) was "
                                "not taken.")
                           : tr("An entry cannot keep control characters; %n of them (%1) "
                                "were not taken.",
                                "", count))
                          .arg(codes.join(", ")),
                      Caption(), CMessageBox::Icon::Exclamation);
}

void CNewEntryDlg::OnChanged()
{
    if (!m_bFilling && m_pDraft != nullptr) {
        m_pDraft->Changed();
    }
}

void CNewEntryDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && m_pDraft != nullptr) {
        m_pDraft->WriteIfChanged();
    }
}

QStringList CNewEntryDlg::FontFamilyList(const QStringList& installed)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList families;
    QSet<QString> seen;
    for (QString family : installed) {
        family.remove(foundry);
        if (!family.isEmpty() && !seen.contains(family.toCaseFolded())) {
            seen.insert(family.toCaseFolded());
            families.append(family);
        }
    }
    families.sort(Qt::CaseInsensitive);
    return families;
}

void CNewEntryDlg::BuildControls()
{
    // Date and time of day.
    m_pDate = new QDateEdit(this);
    m_pDate->setObjectName("date");
    // Dates read in the interface's language whatever the desktop's locale.
    m_pDate->setLocale(CTranslations::Locale());
    m_pDate->setDisplayFormat(tr("dddd, MMMM dd, yyyy"));
    m_pDate->setCalendarPopup(true);
    m_pDate->setDateRange(MinimumDate(), MaximumDate());
    m_pDate->setDate(std::clamp(LocalDate(m_tNow), MinimumDate(), MaximumDate()));
    m_pDate->setToolTip(tr("You can select any date for your entry"));
    // The size hint measures today's date only; the longest names of a
    // weekday and a month must fit as well.
    int widestDate = 0;
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        widestDate =
            std::max(widestDate, m_pDate->fontMetrics().horizontalAdvance(
                                     m_pDate->locale().toString(day, m_pDate->displayFormat())));
    }
    m_pDate->setMinimumWidth(widestDate + m_pDate->sizeHint().height() + 24);
    const std::tm clock = LocalTime(m_tNow);
    m_pTime = new QTimeEdit(QTime(clock.tm_hour, clock.tm_min, clock.tm_sec), this);
    m_pTime->setObjectName("time");
    m_pTime->setLocale(QLocale::c());
    m_pTime->setDisplayFormat("HH:mm:ss");
    m_pTime->setToolTip(tr("You can change the time of day of your entry"));
    m_pTime->setAccessibleName(tr("Time"));
    m_pDate->setAccessibleName(tr("Date"));

    // Formatting bar.
    m_pFontName = new QComboBox(this);
    m_pFontName->setObjectName("fontName");
    m_pFontName->setEditable(true);
    m_pFontName->setInsertPolicy(QComboBox::NoInsert);
    m_pFontName->setMinimumWidth(160);
    m_pFontSize = new QComboBox(this);
    m_pFontSize->setObjectName("fontSize");
    m_pFontSize->setEditable(true);
    m_pFontSize->setInsertPolicy(QComboBox::NoInsert);
    m_pFontName->setAccessibleName(tr("Font"));
    m_pFontSize->setAccessibleName(tr("Font size"));
    m_pBold = MakeFormatButton("B", "bold", this);
    m_pItalic = MakeFormatButton("I", "italic", this);
    m_pUnderline = MakeFormatButton("U", "underline", this);
    m_pColor = MakeFormatButton("C", "color", this);
    // Read by their meaning, not by their letters.
    m_pBold->setAccessibleName(tr("Bold"));
    m_pItalic->setAccessibleName(tr("Italic"));
    m_pUnderline->setAccessibleName(tr("Underline"));
    m_pColor->setAccessibleName(tr("Text colour"));
    m_pPicture = MakeFormatButton(tr("Insert picture..."), "picture", this);
    m_pPicture->setToolTip(tr("Inserts a picture at the cursor. CTRL+SHIFT+P"));
    QFont font = m_pBold->font();
    font.setBold(true);
    m_pBold->setFont(font);
    font = m_pItalic->font();
    font.setItalic(true);
    m_pItalic->setFont(font);
    font = m_pUnderline->font();
    font.setUnderline(true);
    m_pUnderline->setFont(font);
    for (QToolButton* button : {m_pBold, m_pItalic, m_pUnderline}) {
        button->setCheckable(true);
    }
    m_pBold->setToolTip(tr("Toggles Bold. CTRL+B"));
    m_pItalic->setToolTip(tr("Toggles Italic. CTRL+I"));
    m_pUnderline->setToolTip(tr("Toggles Underlining. CTRL+U"));

    // The text.
    m_pEdit = new CEntryRichEdit(this);
    m_pEdit->setObjectName("text");
    m_pEdit->setAccessibleName(tr("Entry text"));
    m_pEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pEdit->setAcceptRichText(true);
    // Tab leaves the text for the ratings; Ctrl+Tab types a tab.
    m_pEdit->setTabChangesFocus(true);
    m_pEdit->setMinimumSize(420, 260);
    m_pEdit->SetSpellChecker(CSpellChecker::FromSettings());
    m_pWordCount = new CWordCountLabel(m_pEdit, this);
    m_pWordCount->setObjectName("wordCount");

    // Ratings.
    m_pFace = new QLabel(this);
    m_pFace->setObjectName("face");
    m_pFace->setMinimumSize(32, 32);
    m_pFace->setAlignment(Qt::AlignCenter);
    auto makeRating = [this](const QString& title, RatingScale scale, const QString& name,
                             CRatingSpin*& spin, QLabel*& label, QWidget* extra) {
        auto* group = new QGroupBox(title, this);
        auto* layout = new QHBoxLayout(group);
        spin = new CRatingSpin(RatingLowest(scale), RatingHighest(scale), group);
        spin->setObjectName(name + "Spin");
        label = new QLabel(group);
        label->setObjectName(name + "Label");
        spin->setAccessibleName(title);
        spin->SetValueLabel(label);
        label->setMinimumWidth(90);
        // The arrows line up in one column down the four groups; the face
        // goes after the mood's label.
        layout->addWidget(spin, 0, Qt::AlignVCenter);
        layout->addWidget(label, 1);
        if (extra != nullptr) {
            layout->addWidget(extra);
        }
        return group;
    };
    QGroupBox* moodGroup =
        makeRating(tr("Mood"), RatingScale::Mood, "mood", m_pMoodSpin, m_pMoodLabel, m_pFace);
    QGroupBox* fatigueGroup = makeRating(tr("Fatigue"), RatingScale::Fatigue, "fatigue",
                                         m_pFatigueSpin, m_pFatigueLabel, nullptr);
    QGroupBox* shapeGroup =
        makeRating(tr("Shape"), RatingScale::Shape, "shape", m_pShapeSpin, m_pShapeLabel, nullptr);
    QGroupBox* dreamGroup =
        makeRating(tr("Dream"), RatingScale::Dream, "dream", m_pDreamSpin, m_pDreamLabel, nullptr);
    dreamGroup->setToolTip(tr("Click left and right arrows to set your last night's dreams"));

    // Measurements and marks.
    m_pWeight = new QLineEdit("0", this);
    m_pWeight->setObjectName("weight");
    m_pWeight->setAccessibleName(tr("Weight"));
    m_pWeight->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_pWeight));
    m_pTemperature = new QLineEdit("0", this);
    m_pTemperature->setObjectName("temperature");
    m_pTemperature->setAccessibleName(tr("Temperature"));
    m_pMenstruus = new QCheckBox(tr("Menstruus"), this);
    m_pMenstruus->setObjectName("menstruus");
    m_pCopulation = new QCheckBox(tr("Copulation"), this);
    m_pCopulation->setObjectName("copulation");

    // Commands.
    m_pSave = new QPushButton(tr("SAVE"), this);
    m_pSave->setObjectName("save");
    m_pSave->setToolTip(tr("Save this entry"));
    m_pSave->setDefault(true);
    m_pDiscard = new QPushButton(tr("DISCARD"), this);
    m_pDiscard->setObjectName("discard");
    m_pDiscard->setToolTip(tr("Discard this entry"));
    m_pHelp = new QPushButton(tr("HELP!"), this);
    m_pHelp->setObjectName("help");
    m_pHelp->setToolTip(tr("Click to read extensive help"));
    for (QPushButton* button : {m_pDiscard, m_pHelp}) {
        button->setAutoDefault(false);
    }

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_pDate);
    dateRow->addWidget(m_pTime);
    dateRow->addStretch(1);
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(m_pFontName, 1);
    formatRow->addWidget(m_pFontSize);
    for (QToolButton* button : {m_pBold, m_pItalic, m_pUnderline, m_pColor, m_pPicture}) {
        // Never narrower than the caption ("Bild einfügen..." is longer than
        // "Insert picture..."): the font box gives way instead.
        button->setMinimumWidth(button->sizeHint().width());
        formatRow->addWidget(button);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(dateRow);
    left->addLayout(formatRow);
    left->addWidget(m_pEdit, 1);
    left->addWidget(m_pWordCount);

    // Captions flush with their fields, so the two colons line up.
    auto* measures = new QGridLayout;
    measures->addWidget(new QLabel(tr(" Weight:"), this), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    measures->addWidget(m_pWeight, 0, 1);
    measures->addWidget(new QLabel(tr("Temperature:"), this), 1, 0,
                        Qt::AlignRight | Qt::AlignVCenter);
    measures->addWidget(m_pTemperature, 1, 1);
    measures->addWidget(m_pMenstruus, 2, 0, 1, 2);
    measures->addWidget(m_pCopulation, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pSave);
    buttons->addWidget(m_pDiscard);
    buttons->addWidget(m_pHelp);
    auto* right = new QVBoxLayout;
    right->addWidget(moodGroup);
    right->addWidget(fatigueGroup);
    right->addWidget(shapeGroup);
    right->addWidget(dreamGroup);
    right->addLayout(measures);
    right->addStretch(1);
    right->addLayout(buttons);

    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(right);

    // Only a pick from a list applies a face or a size. Left to itself the
    // combo box would also take a listed text typed into its field, when the
    // field loses the focus or through its completer.
    for (QComboBox* box : {m_pFontName, m_pFontSize}) {
        box->setCompleter(nullptr);
        QObject::disconnect(box->lineEdit(), SIGNAL(editingFinished()), box, nullptr);
    }
    connect(m_pFontName, &QComboBox::activated, this, &CNewEntryDlg::OnFontNameActivated);
    connect(m_pFontSize, &QComboBox::activated, this, &CNewEntryDlg::OnFontSizeActivated);
    connect(m_pBold, &QToolButton::clicked, this, &CNewEntryDlg::OnBold);
    connect(m_pItalic, &QToolButton::clicked, this, &CNewEntryDlg::OnItalic);
    connect(m_pUnderline, &QToolButton::clicked, this, &CNewEntryDlg::OnUnderline);
    connect(m_pColor, &QToolButton::clicked, this, &CNewEntryDlg::OnColor);
    connect(m_pPicture, &QToolButton::clicked, this, &CNewEntryDlg::OnPicture);
    connect(m_pSave, &QPushButton::clicked, this, &CNewEntryDlg::accept);
    connect(m_pDiscard, &QPushButton::clicked, this, &CNewEntryDlg::reject);
    connect(m_pHelp, &QPushButton::clicked, this, &CNewEntryDlg::OnHelp);
    connect(m_pMoodSpin, &CRatingSpin::ValueChanged, this, &CNewEntryDlg::OnMoodChanged);
    connect(m_pFatigueSpin, &CRatingSpin::ValueChanged, this, &CNewEntryDlg::OnFatigueChanged);
    connect(m_pShapeSpin, &CRatingSpin::ValueChanged, this, &CNewEntryDlg::OnShapeChanged);
    connect(m_pDreamSpin, &CRatingSpin::ValueChanged, this, &CNewEntryDlg::OnDreamChanged);

    // The buttons stay in step with whatever the caret or selection is on.
    connect(m_pEdit, &QTextEdit::cursorPositionChanged, this, &CNewEntryDlg::UpdateFormatControls);
    connect(m_pEdit, &QTextEdit::selectionChanged, this, &CNewEntryDlg::UpdateFormatControls);
    connect(m_pEdit, &QTextEdit::currentCharFormatChanged, this,
            &CNewEntryDlg::UpdateFormatControls);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && isAncestorOf(now)) {
            UpdateFormatControls();
        }
    });

    auto addShortcut = [this](const QKeySequence& keys, void (CNewEntryDlg::*slot)()) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), &CNewEntryDlg::OnBold);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), &CNewEntryDlg::OnItalic);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_U), &CNewEntryDlg::OnUnderline);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &CNewEntryDlg::OnPicture);
    addShortcut(QKeySequence(Qt::Key_F1), &CNewEntryDlg::OnHelp);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &CNewEntryDlg::accept);

    // The keyboard route: date, time of day, formatting, the text, then the ratings and
    // the rest of the right-hand column, then the commands.
    const QList<QWidget*> order = {
        m_pDate,      m_pTime,      m_pFontName, m_pFontSize,    m_pBold,      m_pItalic,
        m_pUnderline, m_pColor,     m_pPicture,  m_pEdit,        m_pMoodSpin,  m_pFatigueSpin,
        m_pShapeSpin, m_pDreamSpin, m_pWeight,   m_pTemperature, m_pMenstruus, m_pCopulation,
        m_pSave,      m_pDiscard,   m_pHelp};
    for (int i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void CNewEntryDlg::InitialiseState()
{
    // The font name box: the installed scalable faces, alphabetically.
    m_pFontName->addItems(FontFamilyList(CEntryRichEdit::ListTrueTypeFonts()));
    const QString fontName = CSettings::Get(CSettings::kFontName);
    m_pEdit->SetSelectionFontName(fontName);
    ShowFontName(fontName);

    for (int i = 0; i < kSizeCount; ++i) {
        m_pFontSize->addItem(QString::number(kSmallestSize + 2 * i));
    }
    int fontSize = CSettings::Get(CSettings::kFontSize);
    if (fontSize < 1 || fontSize > kLargestSensibleSize) {
        fontSize = CSettings::kFontSize.defaultValue;
    }
    m_pFontSize->setCurrentIndex(SizeIndex(fontSize));
    m_pEdit->SetSelectionFontSize(fontSize);

    m_labels = LoadRatingLabels();
    for (int mood = -3; mood <= 3; ++mood) {
        m_faces[mood + 3] = LoadFacePicture(mood);
    }
    m_pMoodSpin->SetValue(0);
    m_pFatigueSpin->SetValue(0);
    m_pShapeSpin->SetValue(0);
    m_pDreamSpin->SetValue(0);
    m_nMood = m_nFatigue = m_nShape = m_nDream = 0;
    m_pMoodLabel->setText(LabelFor(m_labels, RatingScale::Mood, 0));
    m_pFatigueLabel->setText(LabelFor(m_labels, RatingScale::Fatigue, 0));
    m_pShapeLabel->setText(LabelFor(m_labels, RatingScale::Shape, 0));
    m_pDreamLabel->setText(LabelFor(m_labels, RatingScale::Dream, 0));
    m_pFace->setPixmap(m_faces[3]);
    // The whole face stays in view when the window is made small.
    QSize faceSize = m_pFace->minimumSize();
    for (const QPixmap& face : m_faces) {
        faceSize = faceSize.expandedTo(face.size());
    }
    m_pFace->setMinimumSize(faceSize);

    UpdateFormatControls();
    m_pEdit->setFocus();
}

QTime CNewEntryDlg::TimeOfDay() const
{
    if (m_pTime != nullptr) {
        return m_pTime->time();
    }
    const std::tm clock = LocalTime(m_tNow);
    return QTime(clock.tm_hour, clock.tm_min, clock.tm_sec);
}

std::optional<int64_t> CNewEntryDlg::ShownTime() const
{
    return ComposeTime(m_pDate->date(), TimeOfDay());
}

QDate CNewEntryDlg::MinimumDate() const
{
    QDate date = LocalDate(0);
    if (!ComposeTime(date, TimeOfDay())) {
        date = date.addDays(1);
    }
    return date;
}

QDate CNewEntryDlg::MaximumDate() const
{
    QDate date = LocalDate(kLatestStorableTime);
    if (!ComposeTime(date, TimeOfDay())) {
        date = date.addDays(-1);
    }
    return date;
}

std::optional<int64_t> CNewEntryDlg::ComposeTime(const QDate& date, int64_t now)
{
    const std::tm clock = LocalTime(now);
    return ComposeTime(date, QTime(clock.tm_hour, clock.tm_min, clock.tm_sec));
}

std::optional<int64_t> CNewEntryDlg::ComposeTime(const QDate& date, const QTime& timeOfDay)
{
    if (!date.isValid() || !timeOfDay.isValid()) {
        return std::nullopt;
    }
    const int64_t time = LocalMoment(date.year(), date.month(), date.day(), timeOfDay.hour(),
                                     timeOfDay.minute(), timeOfDay.second());
    // -1 is also the failure value; that moment is unstorable anyway.
    if (time < 0 || time > kLatestStorableTime) {
        return std::nullopt;
    }
    return time;
}

std::optional<float> CNewEntryDlg::ParseTemperature(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = c.toDouble(trimmed, &ok);
    if (!ok && trimmed.count(',') == 1 && !trimmed.contains('.')) {
        // The decimal comma of the user's own habits ("36,6").
        value = c.toDouble(QString(trimmed).replace(',', '.'), &ok);
    }
    if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

void CNewEntryDlg::OnFontNameActivated(int index)
{
    if (index < 0) {
        return;
    }
    const QString name = m_pFontName->itemText(index);
    CSettings::Set(CSettings::kFontName, name);
    m_pEdit->SetSelectionFontName(name);
    m_pEdit->setFocus();
}

void CNewEntryDlg::OnFontSizeActivated(int index)
{
    if (index < 0) {
        return;
    }
    const int size = index * 2 + kSmallestSize;
    CSettings::Set(CSettings::kFontSize, size);
    m_pEdit->SetSelectionFontSize(size);
    m_pEdit->setFocus();
}

void CNewEntryDlg::ToggleEffect(int bit)
{
    m_pEdit->ToggleSelectionEffect(bit);
    m_pEdit->setFocus();
    UpdateFormatControls();
}

void CNewEntryDlg::OnBold()
{
    ToggleEffect(CEntryRichEdit::kBold);
}

void CNewEntryDlg::OnItalic()
{
    ToggleEffect(CEntryRichEdit::kItalic);
}

void CNewEntryDlg::OnUnderline()
{
    ToggleEffect(CEntryRichEdit::kUnderline);
}

void CNewEntryDlg::OnColor()
{
    m_pEdit->ChooseSelectionColor();
    m_pEdit->setFocus();
}

void CNewEntryDlg::OnPicture()
{
    m_pEdit->ChoosePicture();
}

void CNewEntryDlg::OnHelp()
{
    CHelp::Show(this, HelpContext::NewEntry);
}

// A step made with the mouse hands the focus back to the text; one made
// with the arrow keys leaves it on the spinner, so the keys can go on.
void CNewEntryDlg::ReturnFocus(QWidget* spin)
{
    if (!spin->hasFocus()) {
        m_pEdit->setFocus();
    }
}

void CNewEntryDlg::OnMoodChanged(int value)
{
    m_nMood = value;
    m_pMoodLabel->setText(LabelFor(m_labels, RatingScale::Mood, value));
    m_pFace->setPixmap(IsRatingInScale(RatingScale::Mood, value) ? m_faces[value + 3] : QPixmap());
    ReturnFocus(m_pMoodSpin);
}

void CNewEntryDlg::OnFatigueChanged(int value)
{
    m_nFatigue = value;
    m_pFatigueLabel->setText(LabelFor(m_labels, RatingScale::Fatigue, value));
    ReturnFocus(m_pFatigueSpin);
}

void CNewEntryDlg::OnShapeChanged(int value)
{
    m_nShape = value;
    m_pShapeLabel->setText(LabelFor(m_labels, RatingScale::Shape, value));
    ReturnFocus(m_pShapeSpin);
}

void CNewEntryDlg::OnDreamChanged(int value)
{
    m_nDream = value;
    m_pDreamLabel->setText(LabelFor(m_labels, RatingScale::Dream, value));
    ReturnFocus(m_pDreamSpin);
}

// A face that is not installed under its own name (Arial drawn by a
// metric-compatible substitute, a font removed since) is still the face the
// text asks for: the box shows its name rather than another face's.
void CNewEntryDlg::ShowFontName(const QString& name)
{
    const int index = m_pFontName->findText(name, Qt::MatchStartsWith);
    if (index >= 0) {
        m_pFontName->setCurrentIndex(index);
    } else {
        m_pFontName->setCurrentIndex(-1);
        m_pFontName->setEditText(name);
    }
}

void CNewEntryDlg::UpdateFormatControls()
{
    if (m_pEdit == nullptr || m_pFontSize->count() == 0) {
        return; // still being built
    }
    m_pBold->setChecked(m_pEdit->IsSelectionBold());
    m_pItalic->setChecked(m_pEdit->IsSelectionItalic());
    m_pUnderline->setChecked(m_pEdit->IsSelectionUnderline());

    // Never overwrite what the user is typing into a font box.
    QWidget* focus = QApplication::focusWidget();
    auto typingIn = [focus](QComboBox* box) {
        return focus != nullptr && (focus == box || box->isAncestorOf(focus));
    };
    if (!typingIn(m_pFontName)) {
        const QString name = m_pEdit->GetSelectionFontName();
        if (!name.isEmpty() && name != m_pFontName->currentText()) {
            ShowFontName(name);
        }
    }
    if (!typingIn(m_pFontSize)) {
        const int index = SizeIndex(m_pEdit->GetSelectionFontSize());
        if (index != m_pFontSize->currentIndex()) {
            m_pFontSize->setCurrentIndex(index);
        }
    }
}

void CNewEntryDlg::RefuseField(QLineEdit* edit, const QString& message)
{
    CMessageBox::Show(this, message, CAppInfo::Title(), CMessageBox::Icon::Exclamation);
    edit->setFocus();
    edit->selectAll();
}

bool CNewEntryDlg::ValidateInto(int& weight, float& temperature)
{
    bool ok = false;
    weight = QLocale::c().toInt(m_pWeight->text().trimmed(), &ok);
    if (!ok) {
        RefuseField(m_pWeight, tr("Please enter an integer."));
        return false;
    }
    const std::optional<float> parsed = ParseTemperature(m_pTemperature->text());
    if (!parsed) {
        RefuseField(m_pTemperature, tr("Please enter a number."));
        return false;
    }
    temperature = *parsed;
    return true;
}

bool CNewEntryDlg::StoreEntry(int64_t time, int weight, float temperature)
{
    const CDiarySession& session = Session();
    DiaryEntry entry;
    // The record holds 30 password bytes; the prompts allow only 20.
    const std::string& password = session.Password();
    std::memcpy(entry.password, password.data(), std::min<size_t>(password.size(), 30));
    entry.time = time;
    entry.mood = m_pMoodSpin->Value();
    entry.fatigue = m_pFatigueSpin->Value();
    entry.shape = m_pShapeSpin->Value();
    entry.dream = m_pDreamSpin->Value();
    entry.copulation = m_pCopulation->isChecked() ? 1 : 0;
    entry.menstruus = m_pMenstruus->isChecked() ? 1 : 0;
    entry.temperature = temperature;
    entry.weight = weight;
    entry.text = m_pEdit->StreamOutRtf();
    entry.textLength = static_cast<uint32_t>(entry.text.size());
    try {
        const auto saved = CNewEntryDlgStore::Save(session, entry, m_edited);
        if (!saved) {
            return false;
        }
        m_outcome.replacedIndex = saved->replacedIndex;
        m_outcome.savedIndex = saved->savedIndex;
    } catch (const CFileError& error) {
        // The dialog stays open with everything the user wrote, so the entry
        // can be saved again once the cause is dealt with.
        CFileErrorMessage::Show(this, error);
        return false;
    }
    return true;
}

void CNewEntryDlg::accept()
{
    if (!CMessageBox::Ask(this, tr("Save this diary entry?"), Caption())) {
        return;
    }
    int weight = 0;
    float temperature = 0.0f;
    if (!ValidateInto(weight, temperature)) {
        return;
    }
    const std::optional<int64_t> time = ShownTime();
    if (!time) {
        // Only reachable on the picker's first or last day when a clock
        // change moves the time of day out of what the diary can store.
        CMessageBox::Show(this,
                          tr("Please choose a date between %1 and %2.")
                              .arg(CTranslations::Locale().toString(
                                       MinimumDate(), QStringLiteral("MMMM dd, yyyy")),
                                   CTranslations::Locale().toString(
                                       MaximumDate(), QStringLiteral("MMMM dd, yyyy"))),
                          CAppInfo::Title(), CMessageBox::Icon::Exclamation);
        m_pDate->setFocus();
        return;
    }
    m_tDateTime = *time;
    m_strTime = m_pTime->time().toString("HH:mm:ss");
    m_nMood = m_pMoodSpin->Value();
    m_nFatigue = m_pFatigueSpin->Value();
    m_nShape = m_pShapeSpin->Value();
    m_nDream = m_pDreamSpin->Value();
    m_nWeight = weight;
    m_fTemperature = temperature;
    m_bMenstruus = m_pMenstruus->isChecked() ? 1 : 0;
    m_bCopulation = m_pCopulation->isChecked() ? 1 : 0;
    if (!StoreEntry(m_tDateTime, weight, temperature)) {
        return;
    }
    m_outcome.saved = true;
    m_pDraft->Remove();
    QDialog::accept();
}

void CNewEntryDlg::reject()
{
    // Discarding an edit leaves the stored entry as it was.
    const QString question =
        m_edited ? tr("Discard the changes to this diary entry?") : tr("Discard this diary entry?");
    if (CMessageBox::Ask(this, question, Caption())) {
        m_pDraft->Remove();
        QDialog::reject();
    }
}

#include "app/EntryPanel.h"

#include "platform/AppInfo.h"
#include "store/NumberText.h"
#include "store/Records.h"
#include "widgets/EntryRichEdit.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Row
{
    MoodRow,
    FatigueRow,
    ShapeRow,
    DreamRow,
    TemperatureRow,
    WeightRow
};

// A measurement with one decimal as printf's "%0.1f" writes it in the C
// locale: a decimal point whatever the user's locale, and an exact tie such
// as 36.25 rounded to even (36.2), where QString::number would round up.
QString OneDecimal(float value)
{
    return QString::fromStdString(FormatFixed(static_cast<double>(value), 1));
}

} // namespace

QString CEntryPanel::WelcomeText()
{
    return tr("Welcome to %1 - your personal diary\n= e-mail: mailto:%2\n= WWW: %3\nEnjoy!")
        .arg(CAppInfo::Title(), CAppInfo::MailAddress(), CAppInfo::WebSite());
}

QString CEntryPanel::EmptyDiaryText()
{
    return tr("%1 - this diary has no entries now\n= e-mail: %2\n= %3\nEnjoy!")
        .arg(CAppInfo::Title(), CAppInfo::MailAddress(), CAppInfo::WebSite());
}

CEntryPanel::CEntryPanel(QWidget* parent) : QWidget(parent)
{
    m_pView = new CEntryRichEdit(this);
    m_pView->setObjectName(QStringLiteral("entryView"));
    m_pView->setAccessibleName(tr("Entry"));
    m_pView->setReadOnly(true);
    m_pView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                     Qt::LinksAccessibleByMouse);
    m_pView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pView->setMinimumSize(320, 220);
    // A found text stays highlighted while the focus is on the entry list.
    QPalette viewPalette = m_pView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        viewPalette.setColor(QPalette::Inactive, role, viewPalette.color(QPalette::Active, role));
    }
    m_pView->setPalette(viewPalette);

    static const char* const kRows[6][2] = {{QT_TR_NOOP("Mood:"), "moodField"},
                                            {QT_TR_NOOP("Fatigue:"), "fatigueField"},
                                            {QT_TR_NOOP("Shape:"), "shapeField"},
                                            {QT_TR_NOOP("Dream:"), "dreamField"},
                                            {QT_TR_NOOP("Temperature:"), "temperatureField"},
                                            {QT_TR_NOOP("Weight:"), "weightField"}};
    for (int i = 0; i < 6; ++i) {
        FieldRow& row = m_rows[i];
        const QString caption = tr(kRows[i][0]);
        row.caption = new QLabel(caption, this);
        row.field = new QLineEdit(this);
        row.field->setObjectName(QString::fromLatin1(kRows[i][1]));
        row.field->setAccessibleName(caption.chopped(1));
        row.field->setReadOnly(true);
        row.caption->setBuddy(row.field);
    }

    m_pFace = new QLabel(this);
    m_pFace->setObjectName(QStringLiteral("facePicture"));
    m_pFace->setAccessibleName(tr("Mood face"));
    m_pFace->setFixedSize(48, 48);
    m_pFace->setAlignment(Qt::AlignCenter);
    for (int mood = -3; mood <= 3; ++mood) {
        m_faces[mood + 3] = LoadFacePicture(mood);
    }

    // The marks only show the entry's values: clicks and keys never reach them.
    auto makeMark = [this](const char* caption) {
        auto* box = new QCheckBox(tr(caption), this);
        box->setObjectName(QString::fromLatin1(caption));
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
        return box;
    };
    m_pCopulation = makeMark(QT_TR_NOOP("Copulation"));
    m_pMenstruus = makeMark(QT_TR_NOOP("Menstruus"));

    // The rating fields show the labels ("Very Good", "Exhausted", or their
    // translations, "Hervorragend"), the measurement fields a few digits;
    // neither should grow without end.
    const QFontMetrics metrics = fontMetrics();
    int widest = metrics.horizontalAdvance(QStringLiteral("Exhausted"));
    const RatingLabels labels = LoadRatingLabels();
    const auto widen = [&widest, &metrics](const auto& scale) {
        for (const QString& label : scale) {
            widest = std::max(widest, metrics.horizontalAdvance(label));
        }
    };
    widen(labels.mood);
    widen(labels.fatigue);
    widen(labels.shape);
    widen(labels.dream);
    const int labelWidth = widest + 20;
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("000.00")) + 20;
    for (int i = 0; i < 6; ++i) {
        const int width = i < TemperatureRow ? labelWidth : numberWidth;
        m_rows[i].field->setMinimumWidth(width);
        m_rows[i].field->setMaximumWidth(2 * width);
    }

    auto* fields = new QGridLayout;
    for (int i = MoodRow; i <= DreamRow; ++i) {
        fields->addWidget(m_rows[i].caption, i, 0);
        fields->addWidget(m_rows[i].field, i, 1);
    }
    fields->addWidget(m_pFace, 0, 2, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    fields->addWidget(m_pCopulation, 2, 2);
    fields->addWidget(m_pMenstruus, 3, 2);
    fields->addWidget(m_rows[TemperatureRow].caption, 0, 3);
    fields->addWidget(m_rows[TemperatureRow].field, 0, 4);
    fields->addWidget(m_rows[WeightRow].caption, 1, 3);
    fields->addWidget(m_rows[WeightRow].field, 1, 4);
    fields->setColumnMinimumWidth(2, m_pFace->width() + 8);
    fields->setColumnStretch(1, 2);
    fields->setColumnStretch(4, 1);
    fields->setColumnStretch(5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pView, 1);
    layout->addLayout(fields);
}

void CEntryPanel::Display(const DiaryEntry& entry, const RatingLabels& labels)
{
    m_pView->StreamInRtf(entry.text);
    const RatingScale scales[] = {RatingScale::Mood, RatingScale::Fatigue, RatingScale::Shape,
                                  RatingScale::Dream};
    const int values[] = {entry.mood, entry.fatigue, entry.shape, entry.dream};
    for (int i = MoodRow; i <= DreamRow; ++i) {
        m_rows[i].field->setText(LabelFor(labels, scales[i], values[i]));
    }
    m_pCopulation->setChecked(entry.copulation != 0);
    m_pMenstruus->setChecked(entry.menstruus != 0);
    m_rows[WeightRow].field->setText(QString::number(entry.weight));
    m_rows[TemperatureRow].field->setText(OneDecimal(entry.temperature));
    if (entry.mood >= -3 && entry.mood <= 3) {
        m_pFace->setPixmap(m_faces[entry.mood + 3]);
    } else {
        m_pFace->clear();
    }
    // A label longer than its field shows its start.
    for (const FieldRow& row : m_rows) {
        row.field->setCursorPosition(0);
    }
}

void CEntryPanel::ShowMessage(const QString& text)
{
    m_pView->setPlainText(text);
    for (const FieldRow& row : m_rows) {
        row.field->clear();
    }
    m_pCopulation->setChecked(false);
    m_pMenstruus->setChecked(false);
    m_pFace->clear();
}

void CEntryPanel::Highlight(qsizetype offset, qsizetype length)
{
    QTextCursor cursor(m_pView->document());
    cursor.setPosition(static_cast<int>(offset));
    cursor.setPosition(static_cast<int>(offset + length), QTextCursor::KeepAnchor);
    m_pView->setTextCursor(cursor);
    m_pView->ensureCursorVisible();
}

void CEntryPanel::ApplyShown(const GraphSeriesSet& shown)
{
    const GraphSeries series[] = {GraphSeries::Mood,        GraphSeries::Fatigue,
                                  GraphSeries::Shape,       GraphSeries::Dream,
                                  GraphSeries::Temperature, GraphSeries::Weight};
    for (int i = 0; i < 6; ++i) {
        m_rows[i].caption->setVisible(shown.Has(series[i]));
        m_rows[i].field->setVisible(shown.Has(series[i]));
    }
    m_pFace->setVisible(shown.Has(GraphSeries::Mood));
    m_pMenstruus->setVisible(shown.Has(GraphSeries::Menstruus));
    m_pCopulation->setVisible(shown.Has(GraphSeries::Copulation));
}

std::vector<QWidget*> CEntryPanel::TabChain() const
{
    std::vector<QWidget*> chain = {m_pView};
    for (const FieldRow& row : m_rows) {
        chain.push_back(row.field);
    }
    return chain;
}

bool CEntryPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pCopulation || watched == m_pMenstruus) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

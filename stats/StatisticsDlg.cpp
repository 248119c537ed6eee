#include "stats/StatisticsDlg.h"

#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/FileErrorMessage.h"
#include "stats/FiguresText.h"
#include "stats/LocalDays.h"
#include "stats/MonthlyAverages.h"
#include "stats/MonthlyChart.h"
#include "stats/WordCounter.h"
#include "stats/YearGridView.h"
#include "store/AtomicFile.h"
#include "store/FileError.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const kScaleNames[] = {
    QT_TRANSLATE_NOOP("CStatisticsDlg", "Mood"), QT_TRANSLATE_NOOP("CStatisticsDlg", "Fatigue"),
    QT_TRANSLATE_NOOP("CStatisticsDlg", "Shape"), QT_TRANSLATE_NOOP("CStatisticsDlg", "Dream")};

QLabel* AddLine(QVBoxLayout* layout, const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    layout->addWidget(label);
    return label;
}

} // namespace

CStatisticsDlg::CStatisticsDlg(const CDiarySession& session, int64_t now, QWidget* parent)
    : QDialog(parent), m_session(session), m_nNow(now), m_labels(LoadRatingLabels())
{
    setWindowTitle(CAppInfo::Caption(tr("Statistics")));
    try {
        session.MakeStore()->ReadAllEntryHeaders(m_headers);
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(parent, error);
        m_headers.clear();
    }
    m_days = EntryDays(m_headers);
    const int thisYear = DateOfDay(LocalToday(now)).year;
    m_years = DiaryYears(m_days);
    if (m_years.empty()) {
        m_years.push_back(thisYear);
    }
    while (m_years.back() < thisYear) {
        m_years.push_back(m_years.back() + 1);
    }

    BuildLayout();
    const CivilDate first = DateOfDay(FirstDayShown(m_days, LocalToday(now)));
    SetYear(std::clamp(first.year, m_years.front(), m_years.back()));
    m_pGrid->SetCursor(first.month, first.day);

    m_pCounter = new CWordCounter(session, this);
    connect(m_pCounter, &CWordCounter::Finished, this, &CStatisticsDlg::ShowCounted);
    if (m_headers.empty() || !m_pCounter->Start()) {
        ShowCounted();
    }
}

CStatisticsDlg::~CStatisticsDlg() = default;

void CStatisticsDlg::BuildLayout()
{
    m_pYear = new QComboBox;
    m_pYear->setObjectName(QStringLiteral("year"));
    for (int year : m_years) {
        m_pYear->addItem(QString::number(year), year);
    }
    m_pScale = new QComboBox;
    m_pScale->setObjectName(QStringLiteral("scale"));
    for (const char* name : kScaleNames) {
        m_pScale->addItem(tr(name));
    }
    auto* yearCaption = new QLabel(tr("&Year:"));
    yearCaption->setBuddy(m_pYear);
    auto* scaleCaption = new QLabel(tr("&Colours show:"));
    scaleCaption->setBuddy(m_pScale);
    auto* selectors = new QHBoxLayout;
    selectors->addWidget(yearCaption);
    selectors->addWidget(m_pYear);
    selectors->addSpacing(16);
    selectors->addWidget(scaleCaption);
    selectors->addWidget(m_pScale);
    selectors->addStretch();

    m_pGrid = new CYearGridView;
    m_pGrid->SetLabels(m_labels);
    m_pGrid->setAccessibleName(tr("Year in colours"));
    auto* yearPage = new QWidget;
    auto* yearLayout = new QVBoxLayout(yearPage);
    yearLayout->addWidget(m_pGrid);
    yearLayout->addWidget(
        new QLabel(tr("A day with several entries shows the ratings of its latest entry.")));
    yearLayout->addStretch();

    m_pChart = new QChart;
    m_pChart->setTitle(tr("Monthly averages"));
    m_pChartView = new QChartView(m_pChart);
    m_pChartView->setObjectName(QStringLiteral("chart"));
    m_pChartView->setRenderHint(QPainter::Antialiasing);
    m_pChartView->setMinimumSize(m_pGrid->sizeHint());
    m_pAllYears = new QCheckBox(tr("&All years"));
    m_pAllYears->setObjectName(QStringLiteral("allYears"));
    auto* chartPage = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPage);
    chartLayout->addWidget(m_pChartView);
    chartLayout->addWidget(m_pAllYears);

    m_pPages = new QTabWidget;
    m_pPages->setAccessibleName(tr("Statistics pages"));
    m_pPages->addTab(yearPage, tr("Year in colours"));
    m_pPages->addTab(chartPage, tr("Monthly averages"));

    // The figures are for the whole diary, whatever year is selected.
    const DiaryFigures figures = ComputeFigures(m_headers, m_days, LocalToday(m_nNow));
    auto* figuresBox = new QGroupBox(tr("Whole diary"));
    auto* figuresLayout = new QVBoxLayout(figuresBox);
    const QStringList lines = FigureLines(figures);
    const char* const names[] = {"entries", "days", "longestStreak", "currentStreak"};
    for (int k = 0; k < lines.size(); ++k) {
        AddLine(figuresLayout, lines[k], names[k]);
    }
    m_pWords = AddLine(figuresLayout, AverageWordsLine(0, false), "averageWords");
    m_pTags = AddLine(figuresLayout, TopTagsLine({}, false), "topTags");
    m_pTags->setWordWrap(true);
    figuresLayout->addSpacing(8);
    AddLine(figuresLayout, tr("Moods:"), "moodCaption");
    for (const QString& line : MoodShareLines(figures, m_labels)) {
        AddLine(figuresLayout, line, "moodShare");
    }
    figuresLayout->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_pPages, 1);
    middle->addWidget(figuresBox);

    auto* save = new QPushButton(tr("&Save picture..."));
    save->setObjectName(QStringLiteral("savePicture"));
    save->setAutoDefault(false);
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    connect(m_pYear, &QComboBox::currentIndexChanged, this, [this] {
        ShowYear();
        ShowChart();
    });
    connect(m_pScale, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pGrid->SetScale(static_cast<RatingScale>(index)); });
    connect(m_pAllYears, &QCheckBox::toggled, this, [this] { ShowChart(); });
    connect(m_pGrid, &CYearGridView::EntryRequested, this, &CStatisticsDlg::OnEntryRequested);
    connect(m_pGrid, &CYearGridView::YearStepRequested, this, [this](int step) {
        m_pYear->setCurrentIndex(
            std::clamp(m_pYear->currentIndex() + step, 0, m_pYear->count() - 1));
    });
    connect(save, &QPushButton::clicked, this, &CStatisticsDlg::OnSavePicture);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_pGrid->setFocus();
}

int CStatisticsDlg::Year() const
{
    return m_pYear->currentData().toInt();
}

void CStatisticsDlg::SetYear(int year)
{
    const int index = m_pYear->findData(year);
    if (index >= 0 && index != m_pYear->currentIndex()) {
        m_pYear->setCurrentIndex(index);
    } else {
        ShowYear();
        ShowChart();
    }
}

void CStatisticsDlg::SetScale(RatingScale scale)
{
    m_pScale->setCurrentIndex(static_cast<int>(scale));
}

void CStatisticsDlg::ShowYear()
{
    m_pGrid->SetGrid(BuildYearGrid(m_headers, m_days, Year()));
}

void CStatisticsDlg::ShowChart()
{
    const bool all = m_pAllYears->isChecked();
    FillMonthlyChart(*m_pChart, MonthlyAverages(m_headers, m_days, all ? m_years.front() : Year(),
                                                all ? m_years.back() : Year()));
}

void CStatisticsDlg::ShowCounted()
{
    m_pWords->setText(AverageWordsLine(m_pCounter->Average(), true));
    m_pTags->setText(TopTagsLine(m_pCounter->TopTags(kTopTags), true));
}

void CStatisticsDlg::OnEntryRequested(int entry)
{
    m_pCounter->Pause();
    emit ShowEntryRequested(entry);
    if (!m_pCounter->Start()) {
        ShowCounted();
    }
}

void CStatisticsDlg::OnSavePicture()
{
    const bool year = m_pPages->currentIndex() == 0;
    const QString name = year ? QStringLiteral("%1 %2.png").arg(m_pScale->currentText()).arg(Year())
                              : tr("Monthly averages %1.png").arg(Year());
    std::optional<QString> chosen = CFileDialogs::SavePicture(this, QDir::home().filePath(name));
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    if (QFileInfo(*chosen).suffix().isEmpty()) {
        *chosen += QStringLiteral(".png");
    }
    QImage picture;
    if (year) {
        picture = QImage(m_pGrid->sizeHint(), QImage::Format_RGB32);
        m_pGrid->render(&picture);
    } else {
        picture = m_pChartView->grab().toImage();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    const FileResult result = CAtomicFile::Replace(
        QFile::encodeName(*chosen).toStdString(),
        std::string_view(bytes.constData(), size_t(bytes.size())), CAtomicFile::TempName::Unique);
    if (!result.ok()) {
        CFileErrorMessage::Show(this, result.Message());
    }
}

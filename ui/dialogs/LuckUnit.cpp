// SPDX-License-Identifier: AGPL-3.0-or-later
#include "LuckUnit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DialogTables.h"
#include "Fonts.h"
#include "AlmanacYears.h"
#include "LuckText.h"

#include <QDate>

#include <tuple>

TLuckDialog::TLuckDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("LuckDialog"));
    setWindowTitle(QStringLiteral("Такты удачи"));
    setFont(PixelFont(11, false));
    createControls();
    connect(LuckMale, &QRadioButton::toggled, this, &TLuckDialog::LuckSexClick);
    connect(LuckTable, &QTableWidget::currentCellChanged, this, &TLuckDialog::LuckTableChange);
    resize(560, 540);
    const QDate today = QDate::currentDate();
    m_today = {today.year(), today.month(), today.day()};
}

// A luck pillar holds from its start (the first one's start moment, then
// ten years more each) to the next one's.
bool TLuckDialog::holdsToday(int index) const
{
    const auto startOf = [this](int n) {
        const ClockMoment &first = m_luck->StartMoment;
        return CalendarDate{first.Date.Year + 10 * n, first.Date.Month, first.Date.Day};
    };
    const auto before = [](const CalendarDate &a, const CalendarDate &b) {
        return std::tie(a.Year, a.Month, a.Day) < std::tie(b.Year, b.Month, b.Day);
    };
    return !before(m_today, startOf(index)) && before(m_today, startOf(index + 1));
}

// The year pillar changes at the start of spring, about 4 February.
std::int32_t TLuckDialog::solarYearToday() const
{
    AlmanacYears years;
    const std::optional<CalendarDate> spring = years.TermDate(m_today.Year, 1);
    const bool beforeSpring = spring && std::tie(m_today.Month, m_today.Day) < std::tie(spring->Month, spring->Day);
    return beforeSpring ? m_today.Year - 1 : m_today.Year;
}

void TLuckDialog::createControls()
{
    LuckMale = new QRadioButton(QStringLiteral("Мужской"), this);
    LuckMale->setObjectName(QStringLiteral("LuckMale"));
    LuckFemale = new QRadioButton(QStringLiteral("Женский"), this);
    LuckFemale->setObjectName(QStringLiteral("LuckFemale"));
    LuckSentence = new QLabel(this);
    LuckSentence->setObjectName(QStringLiteral("LuckSentence"));
    LuckSentence->setWordWrap(true);
    LuckTable = MakeTable(
        this, "LuckTable",
        {QStringLiteral("Возраст"), QStringLiteral("Годы"), QStringLiteral("Ствол"), QStringLiteral("Ветвь")});
    LuckYearsCaption = new QLabel(this);
    LuckYears = MakeTable(this, "LuckYears", {QStringLiteral("Год"), QStringLiteral("Ствол"), QStringLiteral("Ветвь")});
    GuaText = new QLabel(this);
    GuaText->setObjectName(QStringLiteral("GuaText"));
    GuaText->setWordWrap(true);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *sexRow = new QHBoxLayout;
    sexRow->addWidget(LuckMale);
    sexRow->addWidget(LuckFemale);
    sexRow->addStretch();
    auto *years = new QVBoxLayout;
    years->addWidget(LuckYearsCaption);
    years->addWidget(LuckYears);
    auto *tables = new QHBoxLayout;
    tables->addWidget(LuckTable, 3);
    tables->addLayout(years, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sexRow);
    layout->addWidget(LuckSentence);
    layout->addLayout(tables, 1);
    layout->addWidget(GuaText);
    layout->addLayout(buttons);
}

bool TLuckDialog::setChart(const ChartInput &input, Sex sex)
{
    m_input = input;
    const ChartOutcome outcome = ComputeChart(input);
    m_chart = outcome.Details;
    const QSignalBlocker quiet(LuckMale);
    (sex == Sex::Male ? LuckMale : LuckFemale)->setChecked(true);
    return showLuck();
}

Sex TLuckDialog::sex() const { return LuckMale->isChecked() ? Sex::Male : Sex::Female; }

bool TLuckDialog::showLuck()
{
    m_luck = m_chart ? ComputeLuck(m_input, *m_chart, sex()) : std::nullopt;
    LuckTable->setRowCount(0);
    if (!m_luck)
        return false;
    LuckSentence->setText(QString::fromStdString(::LuckSentence(*m_luck, sex())));
    GuaText->setText(QString::fromStdString(GuaSentence(GuaOf(m_chart->Terms.SolarYear, sex()))));
    LuckTable->setRowCount(int(m_luck->Pillars.size()));
    for (int row = 0; row < LuckTable->rowCount(); ++row) {
        const LuckPillar &pillar = m_luck->Pillars[std::size_t(row)];
        const bool now = holdsToday(row);
        LuckTable->setItem(row, 0, TextItem(AgesText(pillar)));
        LuckTable->setItem(row, 1, TextItem(YearsText(pillar) + (now ? " (сейчас)" : "")));
        LuckTable->setItem(row, 2, TokenItem(pillar.Luck.Stem));
        LuckTable->setItem(row, 3, TokenItem(pillar.Luck.Branch));
        if (now)
            MarkRow(LuckTable, row);
    }
    LuckTable->setCurrentCell(0, 0);
    LuckTableChange();
    LuckTable->setFocus();
    return true;
}

void TLuckDialog::LuckSexClick()
{
    showLuck();
    if (m_onSexChanged)
        m_onSexChanged(sex());
}

void TLuckDialog::LuckTableChange()
{
    const int row = LuckTable->currentRow();
    LuckYears->setRowCount(0);
    if (!m_luck || row < 0)
        return;
    const LuckPillar &pillar = m_luck->Pillars[std::size_t(row)];
    LuckYearsCaption->setText(QStringLiteral("Годы такта %1 (%2)")
                                  .arg(QString::fromStdString(pillar.Luck.Stem + " " + pillar.Luck.Branch),
                                       QString::fromStdString(YearsText(pillar))));
    LuckYears->setRowCount(int(pillar.Years.size()));
    for (int k = 0; k < LuckYears->rowCount(); ++k) {
        const LuckYear &year = pillar.Years[std::size_t(k)];
        const bool now = year.Year == solarYearToday();
        LuckYears->setItem(k, 0, TextItem(std::to_string(year.Year) + (now ? " (сейчас)" : "")));
        LuckYears->setItem(k, 1, TokenItem(year.YearPillar.Stem));
        LuckYears->setItem(k, 2, TokenItem(year.YearPillar.Branch));
        if (now)
            MarkRow(LuckYears, k);
    }
}

std::string TLuckDialog::text() const
{
    if (!m_luck)
        return {};
    return FormatLuckText(*m_luck, GuaOf(m_chart->Terms.SolarYear, sex()), sex());
}

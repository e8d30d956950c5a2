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
#include "ChartErrorText.h"
#include "PresentClock.h"
#include "ReportTables.h"

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
    m_today = LocalToday();
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
    LuckTable = MakeTable(this, "LuckTable", HeadingsOf(::LuckTable({}, std::nullopt)));
    LuckYearsCaption = new QLabel(this);
    LuckYears = MakeTable(this, "LuckYears", HeadingsOf(LuckYearsTable({}, 0)));
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

ChartError TLuckDialog::setChart(const ChartInput &input, Sex sex)
{
    m_input = input;
    const ChartOutcome outcome = ComputeChart(input);
    m_chart = outcome.Details;
    m_chartError = outcome.Error;
    const QSignalBlocker quiet(LuckMale);
    (sex == Sex::Male ? LuckMale : LuckFemale)->setChecked(true);
    return showLuck();
}

Sex TLuckDialog::sex() const { return LuckMale->isChecked() ? Sex::Male : Sex::Female; }

// The luck pillars of the chart for the sex chosen; when there are none
// (the other sex's boundary can lie outside the ephemeris), the reason in
// place of the sentence.
ChartError TLuckDialog::showLuck()
{
    const LuckOutcome outcome = m_chart ? ComputeLuck(m_input, *m_chart, sex()) : LuckOutcome{{}, m_chartError};
    m_luck = outcome.Luck;
    LuckTable->setRowCount(0);
    LuckYears->setRowCount(0);
    if (!m_luck) {
        LuckSentence->setText(ChartErrorMessage(outcome.Error));
        GuaText->clear();
        return outcome.Error;
    }
    LuckSentence->setText(QString::fromStdString(::LuckSentence(*m_luck, sex())));
    GuaText->setText(QString::fromStdString(GuaSentence(GuaOf(m_chart->Terms.SolarYear, sex()))));
    FillRows(LuckTable, ::LuckTable(*m_luck, PillarHolding(*m_luck, m_today)));
    LuckTable->setCurrentCell(0, 0);
    LuckTableChange();
    LuckTable->setFocus();
    return ChartError::None;
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
    LuckYearsCaption->setText(QString::fromStdString(LuckYearsTitle(pillar)));
    AlmanacYears years;
    FillRows(LuckYears, LuckYearsTable(pillar, years.SolarYearOn(m_today)));
}

std::optional<LuckReport> TLuckDialog::report() const
{
    if (!m_luck)
        return std::nullopt;
    return LuckReport{*m_luck, GuaOf(m_chart->Terms.SolarYear, sex()), sex()};
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's commands: calculate, copy and close.

#include "MainUnit.h"

#include <QDate>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>

#include "Chart.h"
#include "EditField.h"
#include "FieldText.h"
#include "MessageBoxes.h"
#include "ChartErrorText.h"
#include "Squares.h"
#include "WaitCursor.h"

void TMainForm::BitBtn1Click() { calculate(true); }

void TMainForm::calculate(bool showWaitCursor)
{
    std::optional<int> placeOffset;
    const auto date = checkedDateAndPlace(placeOffset);
    if (!date)
        return;
    setPickerDate(*date);
    DrawTab();
    WaitCursor wait(showWaitCursor);
    const auto input = fieldInput(placeOffset);
    if (!input) {
        wait.restore();
        reportDateDoesNotExist();
        return;
    }
    // One calculation's terms serve its chart and the change nearest to it.
    SolarTermCache terms;
    const SolarTermOptions options{TermSearch::Fast, &terms};
    const ChartOutcome outcome = ComputeChart(*input, options);
    wait.restore();
    if (!outcome.Details) {
        drawPreviousResult();
        ShowMessage(this, ChartErrorMessage(outcome.Error));
        return;
    }
    const ChartResult &computed = outcome.Details->Result;
    m_result.HourPillar = computed.HourPillar;
    m_result.DayPillar = computed.DayPillar;
    m_result.MonthPillar = computed.MonthPillar;
    m_result.YearPillar = computed.YearPillar;
    m_result.YearSquare = computed.YearSquare;
    m_solarMonth = outcome.Details->Terms.SolarMonth;
    m_yearGroup = outcome.Details->Terms.YearGroup;
    m_chartInput = *input;
    m_chartPlace = m_place ? m_place->Name().toStdString() : std::string();
    m_chartPlaceLabel = m_place ? m_place->Label() : QString();
    m_chartPlaceZone = m_place ? m_place->Zone() : QByteArray();
    m_hasResult = true;
    m_report = {};
    m_chartSigns = SignsOf(*outcome.Details);
    showRules();
    DrawResult();
    showChangeWarning(*input, options);
    enableSharing();
    for (QAction *tool : m_chartTools)
        tool->setEnabled(true);
}

std::optional<CalendarDate> TMainForm::checkedDateAndPlace(std::optional<int> &placeOffset)
{
    const auto date = checkedDate();
    if (date && m_place && !takePlaceOffset(*date, placeOffset))
        return std::nullopt;
    return date;
}

std::optional<ChartInput> TMainForm::fieldInput(const std::optional<int> &placeOffset) const
{
    auto input = ReadChartInput(fieldTexts());
    if (input && placeOffset)
        SetClockOffset(*input, *placeOffset);
    if (input)
        applyRules(*input);
    return input;
}

void TMainForm::Bit2Click()
{
    const int year = FieldValue(m_fields[Year]->text());
    const int month = FieldValue(m_fields[Month]->text());
    const int day = FieldValue(m_fields[Day]->text());
    const QDate date(year, month, day);
    if (year < 1 || !date.isValid())
        throw VelmoraError(QStringLiteral("Invalid argument to date encode"));
    m_copyPanel->setTitle(QLocale::system().toString(date, QLocale::ShortFormat) + QStringLiteral("  ")
                          + m_fields[Hour]->text() + u':' + m_fields[Minute]->text());
    drawCopyOfResult();
}

void TMainForm::BitBtn2Click() { close(); }

void TMainForm::N9Click() { close(); }

// The main window's commands: calculate, copy, close, print, help, about.

#include "MainUnit.h"

#include <QDate>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>

#include "Chart.h"
#include "EditField.h"
#include "FieldText.h"
#include "ImageArea.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "ResultDrawing.h"
#include "Squares.h"
#include "WaitCursor.h"

namespace {

void DrawTables(ImageArea *pillars, ImageArea *year, ImageArea *month, unsigned pillarBackground,
                unsigned squareBackground)
{
    pillars->draw([&](Canvas &c) { DrawEmptyTable(c, 230, 81, 4, pillarBackground); });
    year->draw([&](Canvas &c) { DrawEmptyTable(c, 81, 81, 3, squareBackground); });
    month->draw([&](Canvas &c) { DrawEmptyTable(c, 81, 81, 3, squareBackground); });
}

} // namespace

void TMainForm::DrawTab()
{
    DrawTables(m_images[0], m_images[1], m_images[2], TableColors::PillarBackground,
               TableColors::SquareBackground);
}

void TMainForm::DrawCopyTab()
{
    DrawTables(m_images[3], m_images[4], m_images[5], TableColors::CopyPanel, TableColors::CopyPanel);
}

void TMainForm::DrawResult()
{
    m_images[0]->draw([&](Canvas &c) { DrawPillarTokens(c, 230, 81, m_result); });
    m_images[1]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.YearSquare); });
    m_result.MonthSquare = ComputeMonthSquare(m_yearGroup, m_solarMonth);
    m_images[2]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.MonthSquare); });
}

void TMainForm::BitBtn1Click()
{
    calculate(true);
}

void TMainForm::calculate(bool showWaitCursor)
{
    const auto date = checkedDate();
    if (!date)
        return;
    setPickerDate(*date);
    DrawTab();
    WaitCursor wait(showWaitCursor);
    const auto input = ReadChartInput(fieldTexts());
    if (!input) {
        wait.restore();
        reportDateDoesNotExist();
        return;
    }
    const ChartOutcome outcome = ComputeChart(*input);
    wait.restore();
    if (!outcome.Details) {
        drawPreviousResult();
        ShowMessage(this, QString::fromStdString(outcome.Error));
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
    m_hasResult = true;
    DrawResult();
    enableSharing();
}

void TMainForm::reportDateDoesNotExist()
{
    ShowMessage(this, QString::fromUtf8(Messages::DateDoesNotExist));
    m_fields[Day]->focusByProgram();
}

// The date of the three date fields, or nothing after the message.
std::optional<CalendarDate> TMainForm::checkedDate()
{
    const auto date = ReadDateFields(m_fields[Day]->text().toStdString(), m_fields[Month]->text().toStdString(),
                                     m_fields[Year]->text().toStdString());
    if (!date)
        reportDateDoesNotExist();
    return date;
}

FieldTexts TMainForm::fieldTexts() const
{
    const auto text = [this](Field field) { return m_fields[field]->text().toStdString(); };
    return {text(Day),        text(Month),   text(Year),    text(Hour),
            text(Minute),     text(Correction), text(Degrees), text(Minutes),
            m_hemisphere->text().toStdString()};
}

// A moment outside the ephemeris leaves the chart on screen as it was.
void TMainForm::drawPreviousResult()
{
    if (m_hasResult)
        DrawResult();
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
    DrawTables(m_images[3], m_images[4], m_images[5], TableColors::PillarBackground,
               TableColors::SquareBackground);
    m_images[3]->draw([&](Canvas &c) { DrawPillarTokens(c, 230, 81, m_result); });
    if (m_result.YearSquare[0][0] != 0)
        m_images[4]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.YearSquare); });
    if (m_result.MonthSquare[0][0] != 0)
        m_images[5]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.MonthSquare); });
}

void TMainForm::BitBtn2Click()
{
    close();
}

void TMainForm::N9Click()
{
    close();
}

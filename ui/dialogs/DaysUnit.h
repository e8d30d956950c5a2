// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "AlmanacRow.h"
#include "AlmanacYears.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The days dialog, caption "Календарь дней": a line "Сейчас: …" with the
// present pillars, one table of the days of a month (date, weekday, day
// pillar, star, officer, mansion, clash and the marks for the chart on
// display), the twelve double hours of the selected day beside it, and
// filters above: hide the days that clash with the chart's year or day;
// only the officers checked. PgUp/PgDn change the month, the arrows move,
// Enter chooses the selected date, Esc closes.
class TDaysDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TDaysDialog(QWidget *parent = nullptr);

    // The present line, the chart on display (nothing before the first
    // chart: no marks), the clock the hours' times are given for (the zone
    // of the window's place, its offset on each day; else the fixed offset
    // in seconds) and the longitude (seconds of time, east positive), and
    // the month to open at with day selected.
    void setContext(const std::string &presentLine, const std::optional<ChartSigns> &chart, const QByteArray &zone,
                    std::int32_t offsetSeconds, std::int32_t longitudeSeconds, const CalendarDate &day);
    // The date chosen with Enter or a double click, once chosen.
    const std::optional<CalendarDate> &chosen() const { return m_chosen; }
    // The rows of the month on display, as shown (filters applied).
    const std::vector<AlmanacRow> &rows() const { return m_rows; }

    // Called by "Сохранить…" (Ctrl+S), enabled while there is a chart, with
    // the rows on display: the report is to be saved with them.
    void onSave(std::function<void(const std::vector<AlmanacRow> &)> handler) { m_onSave = std::move(handler); }

    // Handlers.
    void DaysSaveClick();
    void DaysFilterChange();
    void DaysTableChange();
    void DaysTableChoose();

protected:
    // PgUp, PgDn and Enter act for the dialog also while the table, which
    // would scroll or do nothing with them, has the focus.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void showMonth(const CalendarDate &select);
    void stepMonth(int months);
    bool shown(const DayAlmanac &day, const AlmanacRow &row) const;
    void showHours(const DayAlmanac &day);
    bool dialogKey(int key);

    QLabel *DaysNow = nullptr;
    QLabel *DaysMonth = nullptr;
    QCheckBox *DaysHideClashes = nullptr;
    std::array<QCheckBox *, 12> m_officers{};
    QTableWidget *DaysTable = nullptr;
    QLabel *DaysHoursCaption = nullptr;
    QTableWidget *DaysHours = nullptr;
    QPushButton *DaysSave = nullptr;
    AlmanacYears m_years;
    std::optional<ChartSigns> m_chart;
    QByteArray m_zone;
    std::int32_t m_offsetSeconds = 0;
    std::int32_t m_longitudeSeconds = 0;
    CalendarDate m_month{2000, 1, 1};
    std::vector<DayAlmanac> m_days; // the rows' days
    std::vector<AlmanacRow> m_rows;
    std::optional<CalendarDate> m_chosen;
    std::function<void(const std::vector<AlmanacRow> &)> m_onSave;
};

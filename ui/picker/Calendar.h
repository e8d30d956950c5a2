// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>

#include "CalendarMath.h"
#include "ChartTypes.h"

class Canvas;

// A month as a 7 x 7 grid: a header row of short weekday names from the
// system locale, then the days in rows 1..6 with the first of the month
// always in row 1. Only a cell that shows a day can be selected; selecting one
// with the mouse or the keyboard sets the day. The grid starts at today.
class TCalendar : public QWidget
{
    Q_OBJECT

public:
    explicit TCalendar(QWidget *parent = nullptr);

    static constexpr int GridLineWidth = 1;

    const CalendarDate &date() const { return m_date; }
    // Stores an existing date (years 1..9999), lays out and fires changed()
    // even when the date is the one already shown; UseCurrentDate stays.
    // Throws VelmoraError(DateEncodeError) for a date that does not exist.
    void setDate(const CalendarDate &date);

    int day() const { return m_date.Day; }
    int month() const { return m_date.Month; }
    int year() const { return m_date.Year; }
    // A value below 1, a month above 12 or a day beyond the current month is
    // ignored, and so is the current value. Otherwise the date is rebuilt with
    // the value; when it does not exist (February 31, 29 February of a common
    // year, year 10000) VelmoraError(DateEncodeError) is thrown and nothing
    // changes, else UseCurrentDate turns false and changed() fires.
    void setDay(int value);
    void setMonth(int value);
    void setYear(int value);

    // Weekday of column 0, 0 = Sunday .. 6 = Saturday; others are ignored.
    int startOfWeek() const { return m_startOfWeek; }
    void setStartOfWeek(int weekday);

    // Turning it on puts today into the grid, without a change event.
    bool useCurrentDate() const { return m_useCurrentDate; }
    void setUseCurrentDate(bool on);

    // A read-only grid ignores the user's selection.
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }

    int firstCellDay() const { return m_firstCellDay; }
    GridCell selectedCell() const { return m_selected; }
    // Row 0: the weekday name; a day cell: its number; an empty cell: "".
    QString cellText(const GridCell &cell) const;
    QRect cellRect(const GridCell &cell) const;
    // Fills the cell and centres its text; the screen clips it to the cell.
    void drawCell(Canvas &canvas, const GridCell &cell) const;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void setPart(std::int32_t CalendarDate::*part, int value, bool inRange);
    void store(const CalendarDate &date);
    void layOut();
    int dayInCell(const GridCell &cell) const;
    bool select(const GridCell &cell);
    void selectByUser(const GridCell &cell);
    void selectAt(const QPoint &pos);
    void drawLines(Canvas &canvas) const;

    CalendarDate m_date;
    int m_startOfWeek = 0;
    bool m_useCurrentDate = true;
    bool m_readOnly = false;
    bool m_updating = false;
    int m_firstCellDay = 1;
    GridCell m_selected{1, 0};
};

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Calendar.h"

#include <QDate>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include "Canvas.h"
#include "Gregorian.h"
#include "MessageBoxes.h"

namespace {

CalendarDate Today()
{
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

[[noreturn]] void ThrowDateEncodeError() { throw VelmoraError(QString::fromLatin1(DateEncodeError)); }

std::optional<GridMove> MoveForKey(const QKeyEvent &event)
{
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Left:
        return GridMove::Left;
    case Qt::Key_Right:
        return GridMove::Right;
    case Qt::Key_Up:
        return GridMove::Up;
    case Qt::Key_Down:
        return GridMove::Down;
    case Qt::Key_Home:
        return ctrl ? GridMove::First : GridMove::RowStart;
    case Qt::Key_End:
        return ctrl ? GridMove::Last : GridMove::RowEnd;
    case Qt::Key_PageUp:
        return GridMove::TopRow;
    case Qt::Key_PageDown:
        return GridMove::BottomRow;
    default:
        return std::nullopt;
    }
}

} // namespace

TCalendar::TCalendar(QWidget *parent)
    : QWidget(parent)
    , m_date(Today())
{
    setFocusPolicy(Qt::StrongFocus);
    layOut();
}

void TCalendar::setDate(const CalendarDate &date)
{
    if (!DateExists(date.Year, date.Month, date.Day))
        ThrowDateEncodeError();
    store(date);
}

void TCalendar::setDay(int value)
{
    setPart(&CalendarDate::Day, value, value <= DaysInMonth(m_date.Year, m_date.Month));
}

void TCalendar::setMonth(int value) { setPart(&CalendarDate::Month, value, value <= 12); }

void TCalendar::setYear(int value) { setPart(&CalendarDate::Year, value, true); }

void TCalendar::setPart(std::int32_t CalendarDate::*part, int value, bool inRange)
{
    if (value < 1 || !inRange || value == m_date.*part)
        return;
    CalendarDate date = m_date;
    date.*part = value;
    if (!DateExists(date.Year, date.Month, date.Day))
        ThrowDateEncodeError();
    m_useCurrentDate = false;
    store(date);
}

void TCalendar::store(const CalendarDate &date)
{
    m_date = date;
    layOut();
    emit changed();
}

void TCalendar::setStartOfWeek(int weekday)
{
    if (weekday < 0 || weekday > 6 || weekday == m_startOfWeek)
        return;
    m_startOfWeek = weekday;
    layOut();
}

void TCalendar::setUseCurrentDate(bool on)
{
    if (on == m_useCurrentDate)
        return;
    m_useCurrentDate = on;
    if (!on)
        return;
    m_date = Today();
    layOut();
}

void TCalendar::layOut()
{
    m_updating = true;
    m_firstCellDay = FirstCellDay(m_date.Year, m_date.Month, m_startOfWeek);
    select(CellOfDay(m_date.Day, m_firstCellDay));
    update();
    m_updating = false;
}

int TCalendar::dayInCell(const GridCell &cell) const
{
    return DayInCell(cell, m_firstCellDay, DaysInMonth(m_date.Year, m_date.Month));
}

bool TCalendar::select(const GridCell &cell)
{
    if (dayInCell(cell) == 0 || (m_readOnly && !m_updating))
        return false;
    m_selected = cell;
    return true;
}

void TCalendar::selectByUser(const GridCell &cell)
{
    if (cell == m_selected || !select(cell))
        return;
    update();
    setDay(dayInCell(cell));
}

void TCalendar::selectAt(const QPoint &pos)
{
    const QRect first = cellRect({0, 0});
    if (const auto cell = CellAt(pos.x(), pos.y(), first.width(), first.height(), GridLineWidth))
        selectByUser(*cell);
}

QString TCalendar::cellText(const GridCell &cell) const
{
    if (cell.Row == 0) {
        const int weekday = (m_startOfWeek + cell.Column) % 7; // 0 = Sunday
        return QLocale::system().standaloneDayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
    }
    const int day = dayInCell(cell);
    return day == 0 ? QString() : QString::number(day);
}

QRect TCalendar::cellRect(const GridCell &cell) const
{
    const int w = CellExtent(width(), GridLineWidth);
    const int h = CellExtent(height(), GridLineWidth);
    return QRect(cell.Column * (w + GridLineWidth), cell.Row * (h + GridLineWidth), w, h);
}

void TCalendar::drawCell(Canvas &canvas, const GridCell &cell) const
{
    QPalette::ColorRole back = QPalette::Base, text = QPalette::Text;
    if (cell.Row == 0) {
        back = QPalette::Button;
        text = QPalette::ButtonText;
    } else if (cell == m_selected) {
        back = QPalette::Highlight;
        text = QPalette::HighlightedText;
    }
    const QRect r = cellRect(cell);
    canvas.setBrushColor(palette().color(back));
    canvas.setPenColor(palette().color(back));
    canvas.rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    const QString label = cellText(cell);
    if (label.isEmpty())
        return;
    const QFontMetrics metrics(Canvas::defaultFont());
    canvas.setFontColor(palette().color(text));
    canvas.textOut(r.left() + CentredOffset(r.width(), metrics.horizontalAdvance(label)),
                   r.top() + CentredOffset(r.height(), metrics.height()), label);
}

void TCalendar::drawLines(Canvas &canvas) const
{
    const QRect last = cellRect({CalendarRows - 1, CalendarColumns - 1});
    canvas.setPenColor(palette().color(QPalette::Mid));
    canvas.setPenWidth(GridLineWidth);
    for (int c = 1; c < CalendarColumns; ++c) {
        const int x = cellRect({0, c}).left() - GridLineWidth;
        canvas.line(x, 0, x, last.bottom() + 1);
    }
    for (int r = 1; r < CalendarRows; ++r) {
        const int y = cellRect({r, 0}).top() - GridLineWidth;
        canvas.line(0, y, last.right() + 1, y);
    }
}

void TCalendar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Canvas canvas;
    canvas.attach(&painter);
    // The strip beyond the last column and row keeps the window colour.
    canvas.setBrushColor(palette().color(QPalette::Base));
    canvas.setPenColor(palette().color(QPalette::Base));
    canvas.rectangle(0, 0, width(), height());
    for (int r = 0; r < CalendarRows; ++r)
        for (int c = 0; c < CalendarColumns; ++c) {
            painter.setClipRect(cellRect({r, c}));
            drawCell(canvas, {r, c});
        }
    painter.setClipping(false);
    drawLines(canvas);
}

void TCalendar::keyPressEvent(QKeyEvent *event)
{
    const auto move = MoveForKey(*event);
    if (!move) {
        QWidget::keyPressEvent(event);
        return;
    }
    selectByUser(MovedCell(m_selected, *move));
}

void TCalendar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectAt(event->position().toPoint());
}

void TCalendar::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons().testFlag(Qt::LeftButton))
        selectAt(event->position().toPoint());
}

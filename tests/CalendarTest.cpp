// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDate>
#include <QSignalSpy>
#include <QTest>

#include "Calendar.h"
#include "Canvas.h"
#include "MessageBoxes.h"

namespace {

class CalendarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        calendar.resize(260, 97);
        calendar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar));
        start({2024, 1, 31});
    }

    void start(const CalendarDate &date)
    {
        calendar.setDate(date);
        changes.clear();
    }

    void click(const GridCell &cell)
    {
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(cell).center());
    }

    TCalendar calendar;
    QSignalSpy changes{&calendar, &TCalendar::changed};
};

struct Setting {
    const char *name;
    void (TCalendar::*setter)(int);
    int value;
};

} // namespace

TEST_F(CalendarTest, SettersIgnoreValuesOutOfRangeAndTheCurrentValue)
{
    const Setting ignored[] = {
        {"day 0", &TCalendar::setDay, 0},     {"day 32", &TCalendar::setDay, 32},
        {"day 31", &TCalendar::setDay, 31},   {"month 13", &TCalendar::setMonth, 13},
        {"month 1", &TCalendar::setMonth, 1}, {"year 0", &TCalendar::setYear, 0},
    };
    for (const Setting &s : ignored) {
        (calendar.*s.setter)(s.value);
        EXPECT_EQ(calendar.date(), (CalendarDate{2024, 1, 31})) << s.name;
        EXPECT_TRUE(calendar.useCurrentDate()) << s.name;
    }
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(CalendarTest, SettersThatBuildNoDateThrowAndChangeNothing)
{
    const std::pair<CalendarDate, Setting> cases[] = {
        {{2024, 1, 31}, {"month 2 on the 31st", &TCalendar::setMonth, 2}},
        {{2024, 2, 29}, {"year 2023 on 29 February", &TCalendar::setYear, 2023}},
        {{9999, 6, 1}, {"year 10000", &TCalendar::setYear, 10000}},
    };
    for (const auto &[from, s] : cases) {
        start(from);
        try {
            (calendar.*s.setter)(s.value);
            ADD_FAILURE() << s.name << ": no error";
        } catch (const VelmoraError &error) {
            EXPECT_EQ(error.message(), QString::fromLatin1(DateEncodeError)) << s.name;
        }
        EXPECT_EQ(calendar.date(), from) << s.name;
        EXPECT_EQ(changes.count(), 0) << s.name;
    }
    EXPECT_THROW(calendar.setDate({2023, 2, 29}), VelmoraError);
}

TEST_F(CalendarTest, SettingAPartOrTheDateLaysOutAndFires)
{
    calendar.setDate({2024, 1, 31}); // fires although unchanged
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(calendar.useCurrentDate());

    calendar.setMonth(3);
    EXPECT_EQ(calendar.date(), (CalendarDate{2024, 3, 31}));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_FALSE(calendar.useCurrentDate());
    EXPECT_EQ(calendar.cellText(calendar.selectedCell()), QStringLiteral("31"));

    calendar.setStartOfWeek(1); // Monday first: 1 March 2024, a Friday, moves to column 4
    EXPECT_EQ(calendar.cellText({0, 0}), QLocale::system().standaloneDayName(1, QLocale::ShortFormat));
    EXPECT_EQ(calendar.cellText({1, 4}), QStringLiteral("1"));

    calendar.setUseCurrentDate(true);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(calendar.date(), (CalendarDate{today.year(), today.month(), today.day()}));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(CalendarTest, OnlyCellsShowingADayCanBeClicked)
{
    start({2015, 2, 10}); // 28 days from a Sunday: rows 5 and 6 empty
    for (const GridCell &cell : {GridCell{0, 0}, GridCell{0, 4}, GridCell{5, 0}, GridCell{6, 6}}) {
        click(cell);
        EXPECT_EQ(calendar.selectedCell(), (GridCell{2, 2})) << cell.Row << "," << cell.Column;
    }
    EXPECT_EQ(changes.count(), 0);

    click({4, 6});
    EXPECT_EQ(calendar.date(), (CalendarDate{2015, 2, 28}));
    EXPECT_EQ(changes.count(), 1);

    calendar.setReadOnly(true);
    click({1, 0});
    EXPECT_EQ(calendar.day(), 28);
    calendar.setDate({2015, 2, 3}); // the layout still selects in a read-only grid
    EXPECT_EQ(calendar.selectedCell(), (GridCell{1, 2}));
}

TEST_F(CalendarTest, KeysMoveTheSelectionOntoDaysOnly)
{
    start({2025, 3, 1}); // a Saturday: row 1, column 6; the 30th and 31st in row 6
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Left, 1},   {Qt::Key_Down, 8},    {Qt::Key_Home, 2}, {Qt::Key_PageDown, 30}, {Qt::Key_Right, 31},
        {Qt::Key_Right, 31}, {Qt::Key_PageUp, 31}, {Qt::Key_Up, 24},  {Qt::Key_End, 29},      {Qt::Key_Return, 29},
    };
    for (const auto &[key, day] : steps) {
        QTest::keyClick(&calendar, key);
        EXPECT_EQ(calendar.day(), day) << "key " << std::hex << key;
    }
    EXPECT_EQ(changes.count(), 6);
}

TEST_F(CalendarTest, CellsAreSizedFromTheGridAndTextsCentred)
{
    EXPECT_EQ(calendar.cellRect({6, 6}), QRect(222, 84, 36, 13));
    Canvas canvas;
    canvas.setRecording(true);
    calendar.drawCell(canvas, calendar.selectedCell());
    const auto &ops = canvas.recorded();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].brush, calendar.palette().color(QPalette::Highlight));
    const QFontMetrics metrics(Canvas::defaultFont());
    const QRect cell = calendar.cellRect(calendar.selectedCell());
    EXPECT_EQ(ops[1].text, QStringLiteral("31"));
    EXPECT_EQ(ops[1].x1, cell.left() + (36 - metrics.horizontalAdvance(QStringLiteral("31"))) / 2);
    EXPECT_EQ(ops[1].y1, cell.top() + (13 - metrics.height()) / 2);
}

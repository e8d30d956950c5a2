// SPDX-License-Identifier: AGPL-3.0-or-later
#include "FieldKeysFixture.h"

// Where the focus, the caret and the selection stand when a field is
// entered and left by a click, an advance, a program action or a message.
using FieldFocus = FieldKeys;

namespace {
const QPoint FirstDigit(5, 8);
} // namespace

TEST_F(FieldFocus, LeavingRightAfterEnteringKeepsTheValue)
{
    put("ClientDay", "25");
    put("ClientMonth", "12");
    QTest::mouseClick(field("ClientDay"), Qt::LeftButton, {}, FirstDigit);   // first click: "2" selected
    QTest::mouseClick(field("ClientMonth"), Qt::LeftButton, {}, FirstDigit); // first click: "1" selected
    EXPECT_EQ(text("ClientDay"), "25");
    QTest::mouseClick(field("ClientHour"), Qt::LeftButton, {}, FirstDigit);
    EXPECT_EQ(text("ClientMonth"), "12");

    focusOn("ClientDay");
    type("25"); // advances into the month with its "1" selected
    EXPECT_EQ(selected("ClientMonth"), "1");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientMonth"), "12");
    EXPECT_EQ(focusName(), "ClientYear");
}

// Another window taking the activation and giving it back is neither an
// exit from the field nor an entry that selects its text.
TEST_F(FieldFocus, SwitchingWindowsLeavesTheFieldAsItWas)
{
    QWidget other;
    const auto switchAwayAndBack = [&] {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        reactivate();
    };
    focusOn("ClientDay");
    field("ClientDay")->selectAll();
    key(Qt::Key_Delete);
    ASSERT_EQ(text("ClientDay"), "");
    switchAwayAndBack();
    EXPECT_EQ(text("ClientDay"), ""); // the exit rule would put the start-up text back
    EXPECT_EQ(focusName(), "ClientDay");

    type("2");
    key(Qt::Key_Left);
    switchAwayAndBack();
    EXPECT_EQ(focusName(), "ClientDay");
    EXPECT_FALSE(field("ClientDay")->hasSelectedText());
    EXPECT_EQ(field("ClientDay")->cursorPosition(), 0);
}

TEST_F(FieldFocus, AfterTheDateMessageTheWholeDayIsSelected)
{
    focusOn("ClientDay");
    modals.expect();
    type("31022023"); // the full year moves on, out of the date group
    EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"});
    reactivate();
    EXPECT_EQ(focusName(), "ClientDay");
    EXPECT_EQ(selected("ClientDay"), "31");
    EXPECT_FALSE(field("ClientHour")->hasSelectedText());
    type("28");
    EXPECT_EQ(text("ClientDay"), "28");
    EXPECT_EQ(text("ClientMonth"), "02");
    EXPECT_EQ(text("ClientYear"), "2023");
    EXPECT_EQ(focusName(), "ClientMonth");
}

TEST_F(FieldFocus, AnEmptiedFieldTakesItsStartupTextAlsoWhenAMessageTookTheFocus)
{
    put("ClientDay", "");
    focusOn("ClientDay");
    key(Qt::Key_Tab);
    const QString startupDay = text("ClientDay");
    EXPECT_EQ(startupDay, QStringLiteral("%1").arg(QDate::currentDate().day(), 2, 10, QChar(u'0')));

    focusOn("ClientMinute");
    key(Qt::Key_Backspace); // the whole text was selected
    key(Qt::Key_Delete);
    ASSERT_EQ(text("ClientMinute"), "");
    modals.expect();
    key(Qt::Key_Return);
    EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"});
    reactivate();
    EXPECT_EQ(focusName(), "ClientDay");
    const QString startupMinute = text("ClientMinute");
    EXPECT_EQ(startupMinute.size(), 2);

    put("ClientMinute", "");
    focusOn("ClientMinute");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientMinute"), startupMinute); // the same start-up text
    modals.clear();
    key(Qt::Key_Return);
    EXPECT_TRUE(modals.messages().isEmpty());
}

TEST_F(FieldFocus, OnlyTheFocusedFieldShowsASelection)
{
    focusOn("ClientDay");
    type("39"); // the month is entered and left again at once
    EXPECT_EQ(focusName(), "ClientDay");
    EXPECT_EQ(selected("ClientDay"), "39");
    EXPECT_FALSE(field("ClientMonth")->hasSelectedText());

    // A field that is not focused draws no selection while its window is
    // inactive either.
    const QPalette colors = field("ClientMonth")->palette();
    EXPECT_EQ(colors.color(QPalette::Inactive, QPalette::Highlight), colors.color(QPalette::Inactive, QPalette::Base));
}

TEST_F(MainFormTest, AtStartUpTheWholeDayIsSelected)
{
    start();
    auto *day = field("ClientDay");
    EXPECT_EQ(QApplication::focusWidget(), day);
    EXPECT_EQ(day->selectedText(), day->text());
    QTest::keyClick(day, Qt::Key_Backspace);
    EXPECT_EQ(day->text(), "");
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QDate>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>

#include "Chart.h"
#include "FieldText.h"
#include "FieldKeysFixture.h"

TEST_F(FieldKeys, DayTypingAdvancesAndKeepsTheFocusAboveTheLimit)
{
    QTest::mouseClick(field("ClientDay"), Qt::LeftButton, {}, QPoint(12, 8));
    EXPECT_EQ(selected("ClientDay"), "1"); // first click selects the first digit
    type("25");
    EXPECT_EQ(text("ClientDay"), "25");
    EXPECT_EQ(focusName(), "ClientMonth");
    EXPECT_EQ(selected("ClientMonth"), "0");

    focusOn("ClientDay");
    type("39");
    EXPECT_EQ(focusName(), "ClientDay");
    EXPECT_EQ(text("ClientDay"), "39");
    EXPECT_EQ(selected("ClientDay"), "39");
    EXPECT_TRUE(modals.messages().isEmpty());

    type("7");
    EXPECT_EQ(text("ClientDay"), "07");
    EXPECT_EQ(focusName(), "ClientMonth");
}

TEST_F(FieldKeys, OneDigitCompletionOnTab)
{
    focusOn("ClientDay");
    type("1");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientDay"), "01");
    put("ClientDay", "15");
    focusOn("ClientDay");
    type("0");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientDay"), "05");

    focusOn("ClientMonth");
    type("2");
    EXPECT_EQ(text("ClientMonth"), "02");
    EXPECT_EQ(focusName(), "ClientYear");
    focusOn("ClientMonth");
    type("13");
    EXPECT_EQ(focusName(), "ClientMonth");
    EXPECT_EQ(text("ClientMonth"), "13");
}

TEST_F(FieldKeys, YearFallsBackAndFillsZeros)
{
    const QString startup = QString::number(QDate::currentDate().year()); // recorded at activation
    focusOn("ClientYear");
    type("1999");
    EXPECT_EQ(focusName(), "ClientHour");
    focusOn("ClientYear");
    type("5001");
    EXPECT_EQ(focusName(), "ClientYear");
    EXPECT_EQ(selected("ClientYear"), "5001");
    type("0000"); // a zero text: the start-up year comes back as the focus moves on
    EXPECT_EQ(focusName(), "ClientHour");
    EXPECT_EQ(text("ClientYear"), startup);
    focusOn("ClientYear");
    key(Qt::Key_Delete);
    type("7");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientYear"), "0007");
}

TEST_F(FieldKeys, TimeTypingEndsOnCalculate)
{
    focusOn("ClientYear");
    type("2000");
    EXPECT_EQ(focusName(), "ClientHour");
    type("0830");
    EXPECT_EQ(text("ClientHour"), "08");
    EXPECT_EQ(text("ClientMinute"), "30");
    EXPECT_EQ(focusName(), "BitBtn1");
    key(Qt::Key_Return);
    const ChartOutcome expected = ComputeChart({15, 6, 2000, 8, 30, 5, 60, 36, "E"});
    EXPECT_EQ(form->result().DayPillar, expected.Details->Result.DayPillar);
    EXPECT_EQ(form->result().HourPillar, expected.Details->Result.HourPillar);

    focusOn("ClientHour");
    type("24");
    EXPECT_EQ(focusName(), "ClientHour");
    EXPECT_EQ(selected("ClientHour"), "24");
    type("3");
    EXPECT_EQ(text("ClientHour"), "03");
    EXPECT_EQ(focusName(), "ClientMinute");
    type("7");
    EXPECT_EQ(text("ClientMinute"), "07");
    EXPECT_EQ(focusName(), "BitBtn1");
}

TEST_F(FieldKeys, HourOvertypeKeepsTheSecondDigit)
{
    put("ClientHour", "15");
    focusOn("ClientHour");
    field("ClientHour")->setSelection(0, 1);
    type("1");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientHour"), "15");
    put("ClientHour", "");
    focusOn("ClientHour");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientHour"), startupTexts["ClientHour"]);
    EXPECT_EQ(text("ClientHour").size(), 2);
}

TEST_F(FieldKeys, DegreesTypeThroughAndCut)
{
    focusOn("ClientDolgotaG");
    key(Qt::Key_End);
    type("4");
    EXPECT_EQ(focusName(), "ClientDolgotaM");
    EXPECT_EQ(text("ClientDolgotaG"), "060");
    EXPECT_EQ(text("ClientDolgotaM"), "46");
    EXPECT_EQ(field("ClientDolgotaM")->cursorPosition(), 1);
    type("5");
    EXPECT_EQ(text("ClientDolgotaM"), "45");

    focusOn("ClientDolgotaG"); // whole text selected
    type("180");
    EXPECT_EQ(text("ClientDolgotaG"), "08");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientDolgotaG"), "008");

    focusOn("ClientDolgotaM");
    type("7");
    EXPECT_EQ(text("ClientDolgotaM"), "7");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientDolgotaM"), "07");
}

TEST_F(FieldKeys, CorrectionTypingBackspaceAndSpin)
{
    focusOn("ClientTime");
    field("ClientTime")->setCursorPosition(0);
    type("2");
    EXPECT_EQ(text("ClientTime"), "2");
    EXPECT_EQ(field("ClientTime")->cursorPosition(), 0);
    type("3");
    key(Qt::Key_Tab);
    EXPECT_EQ(text("ClientTime"), "03");

    focusOn("ClientTime");
    field("ClientTime")->setCursorPosition(0);
    key(Qt::Key_Backspace);
    EXPECT_EQ(text("ClientTime"), "3");
    type("-");
    EXPECT_EQ(text("ClientTime"), "3");

    put("ClientTime", "00");
    focusOn("ClientDay");
    for (int i = 0; i < 30; ++i)
        spin("SpinButtonT", false);
    EXPECT_EQ(text("ClientTime"), "-23");
    EXPECT_EQ(focusName(), "ClientTime");
    put("ClientTime", "-1");
    spin("SpinButtonT", true);
    EXPECT_EQ(text("ClientTime"), "00");
}

TEST_F(FieldKeys, SpinButtonsStepTheFocusedFieldWithoutTakingTheFocus)
{
    focusOn("ClientMinute");
    spin("SpinButtonData", true); // focus outside the date group: the day steps
    EXPECT_EQ(focusName(), "ClientDay");
    EXPECT_EQ(text("ClientDay"), "16");
    put("ClientDay", "31");
    spin("SpinButtonData", true);
    EXPECT_EQ(text("ClientDay"), "31");
    focusOn("ClientMonth");
    put("ClientMonth", "02");
    spin("SpinButtonData", false);
    EXPECT_EQ(text("ClientMonth"), "01");
    spin("SpinButtonData", false);
    EXPECT_EQ(text("ClientMonth"), "01");

    // 31.02 passes the field rules and fails when the focus leaves the group.
    put("ClientMonth", "02");
    EXPECT_EQ(focusName(), "ClientMonth");
    modals.expect();
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"});
    EXPECT_EQ(form->focusWidget(), field("ClientDay"));

    reactivate();
    modals.clear();
    put("ClientDay", "15");
    focusOn("ClientHour");
    spin("SpinButtonTime", false);
    EXPECT_EQ(text("ClientHour"), "13");
    focusOn("ClientTime");
    spin("SpinButtonD", true);
    EXPECT_EQ(focusName(), "ClientDolgotaG");
    EXPECT_EQ(text("ClientDolgotaG"), "061");
    EXPECT_TRUE(modals.messages().isEmpty());
}

TEST_F(FieldKeys, DateGroupMouseActions)
{
    auto *group = form->findChild<QWidget *>("ClientGroupBox1");
    focusOn("ClientHour");
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(110, 4));
    EXPECT_EQ(focusName(), "ClientDay");
    put("ClientYear", "1999");
    form->BitBtn1Click();
    const ChartResult of1999 = form->result();
    QTest::mouseDClick(group, Qt::LeftButton, {}, QPoint(110, 4));
    QTest::mouseRelease(group, Qt::LeftButton, {}, QPoint(110, 4));
    EXPECT_EQ(text("ClientYear"), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(form->result(), of1999); // nothing calculated

    // The release that ends a double click is no click of its own.
    // A double click as the toolkit delivers it: press, release, double
    // click (in place of the second press), release.
    QSignalSpy clicks(group, SIGNAL(clicked()));
    QSignalSpy doubleClicks(group, SIGNAL(doubleClicked()));
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(110, 4));
    QTest::mouseDClick(group, Qt::LeftButton, {}, QPoint(110, 4));
    QTest::mouseRelease(group, Qt::LeftButton, {}, QPoint(110, 4));
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
    auto *hemisphere = form->findChild<QPushButton *>("ClientButtonDolgota");
    QTest::mouseClick(hemisphere, Qt::LeftButton);
    QTest::mouseClick(hemisphere, Qt::LeftButton);
    QTest::mouseClick(hemisphere, Qt::LeftButton);
    EXPECT_EQ(hemisphere->text(), "W");
}

TEST_F(FieldKeys, BackspaceWorksInAFullDateField)
{
    for (const char *name : {"ClientDay", "ClientMonth", "ClientYear"}) {
        focusOn(name);
        field(name)->end(false); // caret behind the last digit, nothing selected
        const QString full = text(name);
        key(Qt::Key_Backspace);
        EXPECT_EQ(text(name), full.chopped(1)) << name;
    }
}

TEST_F(FieldKeys, PastedTextThatIsNotANumberIsReported)
{
    focusOn("ClientTime");
    field("ClientTime")->selectAll();
    modals.expect();
    field("ClientTime")->insert("ab");
    EXPECT_EQ(modals.messages(), QStringList{"'ab' is not a valid integer value."});
    EXPECT_EQ(text("ClientTime"), "ab");
}

TEST_F(FieldKeys, RandomTypingKeepsTheFieldsValid)
{
    const char *names[] = {"ClientDay",    "ClientMonth", "ClientYear",     "ClientHour",
                           "ClientMinute", "ClientTime",  "ClientDolgotaG", "ClientDolgotaM"};
    const Qt::Key keys[] = {Qt::Key_0,    Qt::Key_1,       Qt::Key_2,         Qt::Key_3,      Qt::Key_5,    Qt::Key_9,
                            Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                            Qt::Key_Left, Qt::Key_Right,   Qt::Key_A,         Qt::Key_Minus};
    QRandomGenerator random(20261207);
    modals.expectAny(); // leaving an impossible date is reported
    for (int step = 0; step < 1500; ++step) {
        if (!focus() || !qobject_cast<EditField *>(focus()))
            focusOn(names[random.bounded(8)]);
        const bool wasInDate = QStringList{"ClientDay", "ClientMonth", "ClientYear"}.contains(focusName());
        modals.clear();
        key(keys[random.bounded(int(std::size(keys)))]);
        for (const char *name : names) {
            const QString t = text(name);
            for (int i = 0; i < t.size(); ++i) {
                ASSERT_TRUE(t[i].isDigit() || (i == 0 && t[i] == u'-' && QString(name) == "ClientTime"))
                    << name << " holds " << t.toStdString() << " at step " << step;
            }
        }
        const bool leftDate = wasInDate && !QStringList{"ClientDay", "ClientMonth", "ClientYear"}.contains(focusName());
        if (leftDate && modals.messages().isEmpty()) {
            ASSERT_TRUE(ReadDateFields(text("ClientDay").toStdString(), text("ClientMonth").toStdString(),
                                       text("ClientYear").toStdString()))
                << text("ClientDay").toStdString() << "." << text("ClientMonth").toStdString() << "."
                << text("ClientYear").toStdString() << " at step " << step;
        }
    }
}

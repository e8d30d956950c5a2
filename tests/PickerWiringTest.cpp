// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Calendar.h"
#include "MainFormFixture.h"

TEST_F(MainFormTest, PickerFollowsTheWindowAndWritesTheDateBack)
{
    start();
    put("ClientDay", "05");
    put("ClientMonth", "01");
    put("ClientYear", "2000");
    form->BitBtn1Click();
    EXPECT_EQ(picker->calendar()->date(), (CalendarDate{2000, 1, 5}));

    // Right button on the date group: the picker opens on the fields' date;
    // a day picked there and applied goes into the fields, nothing is calculated.
    const ChartResult before = form->result();
    CalendarDate opened;
    modals.expect();
    modals.onDialog([&](QWidget *) {
        opened = picker->calendar()->date();
        picker->SpinButton1UpClick(); // next month
        picker->calendar()->setDay(9);
        picker->BitBtn1Click();
    });
    QTest::mouseClick(form->findChild<QWidget *>("ClientGroupBox1"), Qt::RightButton, {}, QPoint(110, 4));
    QTRY_VERIFY(!picker->isVisible());
    EXPECT_EQ(opened, (CalendarDate{2000, 1, 5}));
    EXPECT_EQ(text("ClientDay"), "09");
    EXPECT_EQ(text("ClientMonth"), "02");
    EXPECT_EQ(text("ClientYear"), "2000");
    EXPECT_EQ(form->result(), before);
}

TEST_F(MainFormTest, AboutBoxOpensFromTheMenu)
{
    start();
    modals.expect();
    form->N3Click();
    EXPECT_EQ(modals.messages(), QStringList{QStringLiteral("<dialog %1>").arg(about->objectName())});
}

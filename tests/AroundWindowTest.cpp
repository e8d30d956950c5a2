// SPDX-License-Identifier: AGPL-3.0-or-later
// The uncertain-time dialog and the change warning on the real window: the
// charts around the moment in the fields, the span remembered, a chosen
// row's start written into the fields without a calculation.

#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

#include "AroundUnit.h"
#include "ChangeText.h"
#include "MainFormFixture.h"
#include "ChartErrorText.h"

TEST_F(MainFormTest, UncertainTimeDialogAndTheChangeWarning)
{
    start();
    EXPECT_EQ(form->findChild<QAction *>(QStringLiteral("NAround"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    auto *warning = form->findChild<QLabel *>(QStringLiteral("ChangeWarning"));
    EXPECT_LT(warning->geometry().bottom(), 248);
    // 11:40 at Kazan in summer 1985 is 10:14:28 of local mean time + 1 hour;
    // the hour pillar changes at 11:43:32 of the clock.
    enter("15", "07", "1985", "11", "40", "04", "049", "07");
    form->BitBtn1Click();
    EXPECT_EQ(warning->text(), QStringLiteral("До смены часа 3 мин"));
    const ChartResult chart = form->result();

    QStringList seen;
    modals.expect(2);
    modals.onDialog([&](QWidget *dialog) {
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("AroundTable"));
        auto *minutes = dialog->findChild<QSpinBox *>(QStringLiteral("AroundMinutes"));
        seen << dialog->windowTitle() << dialog->findChild<QLabel *>(QStringLiteral("AroundWarning"))->text()
             << QString::number(minutes->value()) << QString::number(table->rowCount())
             << QString::number(table->currentRow()) << table->item(1, 0)->text() << table->item(1, 12)->text();
        minutes->setValue(30);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Return);
    });
    form->NAroundClick();
    EXPECT_EQ(seen,
              QStringList({"Неточное время", "До смены часа 3 мин", "60", "2", "0", "15.07.1985 11:43:32", "час"}));
    // The span is stored at close, with the other settings.
    EXPECT_FALSE(settings.values.contains(QStringLiteral("around")));
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(settings.values[QStringLiteral("around")], QStringLiteral("30"));
    EXPECT_EQ(text("ClientHour") + u':' + text("ClientMinute"), QStringLiteral("11:44"));
    EXPECT_EQ(form->result(), chart);
    form->BitBtn1Click();
    EXPECT_EQ(warning->text(), QStringLiteral("После смены часа менее 1 мин"));
    put("ClientHour", QStringLiteral("10"));
    form->BitBtn1Click();
    EXPECT_EQ(warning->text(), QString());

    // The span is remembered; the fields are checked as Calculate checks them.
    seen.clear();
    modals.onDialog([&](QWidget *dialog) {
        seen << QString::number(dialog->findChild<QSpinBox *>(QStringLiteral("AroundMinutes"))->value());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form->NAroundClick();
    EXPECT_EQ(seen, QStringList({"30"}));
    EXPECT_EQ(text("ClientHour"), QStringLiteral("10"));
    put("ClientDay", QStringLiteral("31"));
    put("ClientMonth", QStringLiteral("06"));
    modals.expect();
    form->NAroundClick();
    EXPECT_EQ(modals.messages().last(), ChartErrorMessage(ChartError::DateDoesNotExist));
}

// With a place, the rows read the place's clock: 31.03.1985 03:30 at Moscow
// (+4) less an hour is 01:30 of the +3 clock, which the chosen row gives.
TEST(AroundDialog, RowsReadThePlacesClock)
{
    TAroundDialog dialog;
    const ChartInput moscow{31, 3, 1985, 3, 30, 4, 37, 37, "E"};
    EXPECT_EQ(dialog.setInput(moscow, QByteArray("Europe/Moscow"), 60), ChartError::None);
    auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("AroundTable"));
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("31.03.1985 01:30:00 +3"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("31.03.1985 04:29:32"));
    table->setCurrentCell(0, 0);
    dialog.AroundTableChoose();
    ASSERT_TRUE(dialog.chosen());
    EXPECT_EQ(ClockTimeText(*dialog.chosen()), "31.03.1985 01:30:00");
}

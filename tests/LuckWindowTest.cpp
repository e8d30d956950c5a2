// SPDX-License-Identifier: AGPL-3.0-or-later
// The luck-pillars dialog on the real window: for the chart last calculated,
// the sex switched and remembered, the fields and the chart untouched.

#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QClipboard>
#include <QRadioButton>
#include <QTableWidget>

#include "Chart.h"
#include "LuckPillars.h"
#include "LuckText.h"
#include "LuckUnit.h"
#include "MainFormFixture.h"
#include "ToolRun.h"

TEST_F(MainFormTest, LuckPillarsOfTheChartInTheDialog)
{
    settings.badType << QStringLiteral("sd"); // start-up stops before its chart
    modals.expect();
    start();
    EXPECT_FALSE(form->findChild<QAction *>(QStringLiteral("NLuck"))->isEnabled());
    form->close();

    settings.badType.clear();
    modals.clear();
    start();
    auto *item = form->findChild<QAction *>(QStringLiteral("NLuck"));
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    enter("15", "07", "1985", "10", "00", "04", "049", "07");
    form->BitBtn1Click();
    const ChartResult chart = form->result();
    const ChartInput input{15, 7, 1985, 10, 0, 4, 49, 7, "E"};
    const ChartDetails details = *ComputeChart(input).Details;

    QStringList sentences, firstStems, years;
    modals.expect();
    modals.onDialog([&](QWidget *dialog) {
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("LuckTable"));
        const auto read = [&] {
            sentences << dialog->findChild<QLabel *>(QStringLiteral("LuckSentence"))->text();
            firstStems << table->item(0, 2)->text() + u' ' + table->item(0, 3)->text();
        };
        read();
        QTest::keyClick(table, Qt::Key_Down);
        years << dialog->findChild<QTableWidget *>(QStringLiteral("LuckYears"))->item(0, 0)->text();
        dialog->findChild<QRadioButton *>(QStringLiteral("LuckFemale"))->click();
        read();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form->NLuckClick();
    for (const Sex sex : {Sex::Male, Sex::Female}) {
        const LuckChart luck = *ComputeLuck(input, details, sex).Luck;
        const int i = sex == Sex::Male ? 0 : 1;
        EXPECT_EQ(sentences.value(i).toStdString(), LuckSentence(luck, sex));
        EXPECT_EQ(firstStems.value(i).toStdString(), luck.Pillars[0].Luck.Stem + " " + luck.Pillars[0].Luck.Branch);
        if (sex == Sex::Male) {
            EXPECT_EQ(years.value(0).toInt(), luck.Pillars[1].FromYear);
        }
    }
    EXPECT_NE(sentences.value(0), sentences.value(1));
    // The sex is stored at close, with the other settings.
    EXPECT_FALSE(settings.values.contains(QStringLiteral("sex")));
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(settings.values[QStringLiteral("sex")], QStringLiteral("female"));
    EXPECT_EQ(form->result(), chart);
    EXPECT_EQ(text("ClientDay"), "15");
    EXPECT_EQ(text("ClientTime"), "04");

    // The copied text and the saved page carry the luck pillars shown for
    // this chart.
    form->NCopyTextClick();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(sentences.value(1))) << sentences.value(1).toStdString();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("luck.pdf"));
    ASSERT_TRUE(form->saveChartTo(pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    EXPECT_TRUE(
        RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains(QStringLiteral("такты идут")));
}

// The pillar and the year that hold the day are marked: 15.07.1985 10:00 at
// Kazan, female, runs forward from 24.04.1993, so 01.01.2027 lies in the
// fourth pillar (from 24.04.2023) and, before the start of spring, in the
// year 2026.
TEST(LuckDialog, MarksThePillarAndTheYearOfToday)
{
    TLuckDialog dialog;
    dialog.setToday({2027, 1, 1});
    ASSERT_EQ(dialog.setChart({15, 7, 1985, 10, 0, 4, 49, 7, "E"}, Sex::Female), ChartError::None);
    auto *pillars = dialog.findChild<QTableWidget *>(QStringLiteral("LuckTable"));
    auto *years = dialog.findChild<QTableWidget *>(QStringLiteral("LuckYears"));
    QStringList marked;
    for (int row = 0; row < pillars->rowCount(); ++row)
        if (pillars->item(row, 1)->text().endsWith(QStringLiteral(" (сейчас)")))
            marked << pillars->item(row, 1)->text();
    EXPECT_EQ(marked, QStringList({"2023-2032 (сейчас)"}));
    EXPECT_TRUE(pillars->item(3, 0)->font().bold());
    pillars->setCurrentCell(3, 0);
    EXPECT_EQ(years->item(3, 0)->text(), QStringLiteral("2026 (сейчас)"));
    EXPECT_TRUE(years->item(3, 1)->font().bold());
    EXPECT_FALSE(years->item(4, 0)->font().bold());
}

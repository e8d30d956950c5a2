// SPDX-License-Identifier: AGPL-3.0-or-later
// The days dialog on the real window: it opens at the present month with
// today selected, PgDn shows the next month, a filter hides days, Enter
// writes the date into the fields and calculates nothing; its rows are the
// tool's rows for the month.

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QProcess>
#include <QTableWidget>

#include "DaysFormat.h"
#include "DaysUnit.h"
#include "MainFormFixture.h"

namespace {

QString ToolDays(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(VELMORA_CHART), arguments);
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString DialogDays(const TDaysDialog &dialog)
{
    QString text;
    for (const AlmanacRow &row : dialog.rows())
        text += QString::fromStdString(DayCsv(row)) + u'\n';
    return text;
}

} // namespace

TEST_F(MainFormTest, DaysDialogChoosesADate)
{
    start();
    enter("15", "07", "1985", "10", "00", "04", "049", "07");
    form->BitBtn1Click();
    const ChartResult chart = form->result();
    const QDate today = QDate::currentDate();
    const QDate next = today.addMonths(1);
    QStringList seen;
    QString shown, tool;
    modals.expect(1);
    modals.onDialog([&](QWidget *widget) {
        auto *dialog = static_cast<TDaysDialog *>(widget);
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("DaysTable"));
        seen << dialog->windowTitle() << dialog->findChild<QLabel *>(QStringLiteral("DaysNow"))->text().left(8)
             << table->item(table->currentRow(), 0)->text();
        QTest::keyClick(table, Qt::Key_PageDown);
        seen << table->item(0, 0)->text() << QString::number(table->rowCount());
        shown = DialogDays(*dialog);
        const QString last = QString::number(next.daysInMonth()) + next.toString(QStringLiteral(".MM.yyyy"));
        tool = ToolDays({"15.07.1985", "10:00", "--correction", "4", "--longitude", "049:07E", "--days",
                         next.toString(QStringLiteral("01.MM.yyyy")), last});
        dialog->findChild<QCheckBox *>(QStringLiteral("DaysHideClashes"))->setChecked(true);
        seen << QString::number(table->rowCount() < next.daysInMonth());
        table->setCurrentCell(2, 0);
        seen << table->item(2, 0)->text();
        QTest::keyClick(table, Qt::Key_Return);
    });
    field("ClientDay")->setFocus();
    QTest::keyClick(field("ClientDay"), Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(seen.size(), 7);
    EXPECT_EQ(seen.mid(0, 5),
              QStringList({"Календарь дней", "Сейчас: ", today.toString(QStringLiteral("dd.MM.yyyy")),
                           next.toString(QStringLiteral("01.MM.yyyy")), QString::number(next.daysInMonth())}));
    EXPECT_EQ(seen[5], "1") << "the filter hides the clashing days";
    EXPECT_EQ(shown, tool);
    EXPECT_EQ(text("ClientDay") + u'.' + text("ClientMonth") + u'.' + text("ClientYear"), seen[6]);
    EXPECT_EQ(text("ClientHour"), QStringLiteral("10"));
    EXPECT_EQ(form->result(), chart);
}

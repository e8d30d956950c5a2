// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart reading on the real window: Ctrl+I from a field opens it for
// the chart on display, Esc closes it, nothing of the chart changes, and the
// copied text carries it afterwards. Every menu shortcut reaches its command
// whichever field has the focus.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>

#include "MainFormFixture.h"

TEST_F(MainFormTest, ReadingDialogForTheChartOnDisplay)
{
    start();
    // 15.07.1985 10:00 at Kazan (+4, 049:07E): day master Инь Дерево, hour
    // pillar Инь Металл·Змея, whose stem is Семь убийств to it.
    enter("15", "07", "1985", "10", "00", "04", "049", "07");
    form->BitBtn1Click();
    const ChartResult chart = form->result();
    QMap<QString, QString> texts;
    for (int i = 0; i < 8; ++i)
        texts[form->findChildren<EditField *>()[i]->objectName()] = form->findChildren<EditField *>()[i]->text();

    QStringList seen;
    modals.expect(1);
    modals.onDialog([&](QWidget *dialog) {
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("ReadingTable"));
        const auto cell = [&](int row, int column) {
            return static_cast<QLabel *>(table->cellWidget(row, column))->text();
        };
        seen << dialog->windowTitle() << dialog->findChild<QLabel *>(QStringLiteral("ReadingMaster"))->text()
             << table->horizontalHeaderItem(0)->text() << table->verticalHeaderItem(1)->text();
        EXPECT_TRUE(cell(0, 0).contains(QStringLiteral("Инь Металл")));
        EXPECT_EQ(cell(1, 0), QStringLiteral("Семь убийств"));
        EXPECT_TRUE(cell(3, 0).contains(QStringLiteral("Ранящий чиновник")));
        EXPECT_LE(dialog->width(), 1024);
        EXPECT_LE(dialog->height(), 768);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    field("ClientMinute")->setFocus();
    QTest::keyClick(field("ClientMinute"), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(seen, QStringList({"Разбор карты", "Господин дня: Инь Дерево", "Час", "Божество"}));
    EXPECT_EQ(form->result(), chart);
    for (auto it = texts.begin(); it != texts.end(); ++it)
        EXPECT_EQ(form->findChild<EditField *>(it.key())->text(), it.value()) << it.key().toStdString();

    form->NCopyTextClick();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QStringLiteral("\nРазбор карты\nГосподин дня: Инь Дерево\n"))) << copied.toStdString();
}

// No field keeps a key that a menu item has as its shortcut.
TEST_F(MainFormTest, MenuShortcutsPassEveryField)
{
    start();
    QList<QKeySequence> shortcuts;
    for (const QAction *action : form->findChildren<QAction *>())
        if (!action->shortcut().isEmpty())
            shortcuts << action->shortcut();
    EXPECT_GE(shortcuts.size(), 8);
    for (EditField *input : form->findChildren<EditField *>()) {
        for (const QKeySequence &keys : shortcuts) {
            const QKeyCombination combination = keys[0];
            QKeyEvent override(QEvent::ShortcutOverride, combination.key(), combination.keyboardModifiers());
            QApplication::sendEvent(input, &override);
            EXPECT_FALSE(override.isAccepted())
                << input->objectName().toStdString() << " takes " << keys.toString().toStdString();
        }
    }
}

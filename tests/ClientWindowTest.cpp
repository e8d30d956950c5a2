// SPDX-License-Identifier: AGPL-3.0-or-later
// The client file on the real window and the real SQLite: the chart on
// display added with Ctrl+K, found by a search as the user types, and
// opened with Enter: the fields, the place and the chart are the stored
// ones, and the name stands above the place.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "ClientFile.h"
#include "MainFormFixture.h"

TEST_F(MainFormTest, ClientAddedSearchedAndOpened)
{
    start();
    enter("15", "07", "1985", "10", "00", "04", "049", "07");
    form->BitBtn1Click();
    const ChartResult chart = form->result();

    modals.expect(1);
    modals.onDialog([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("ClientFormName"))->setText(QStringLiteral("Иванова Анна"));
        dialog->findChild<QComboBox *>(QStringLiteral("ClientFormSex"))->setCurrentText(QStringLiteral("ж"));
        dialog->findChild<QPushButton *>(QStringLiteral("ClientFormSave"))->click();
    });
    field("ClientHour")->setFocus();
    QTest::keyClick(field("ClientHour"), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(form->findChild<QLabel *>(QStringLiteral("ClientLabel"))->text(), QStringLiteral("Иванова Анна"));
    const std::vector<Client> stored = ClientFile().all();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Date + u' ' + stored[0].Time + u' ' + stored[0].Correction + u' ' + stored[0].Longitude
                  + stored[0].Hemisphere + u' ' + stored[0].Sex,
              QStringLiteral("15.07.1985 10:00 +4 049:07E ж"));

    // Another chart on display; the stored one comes back from the file.
    enter("01", "01", "2000", "12", "00", "05", "060", "36");
    form->BitBtn1Click();
    QStringList seen;
    modals.expect(1);
    modals.onDialog([&](QWidget *dialog) {
        auto *search = dialog->findChild<QLineEdit *>(QStringLiteral("ClientsSearch"));
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("ClientsTable"));
        seen << dialog->windowTitle() << QString::number(dialog->focusWidget() == search);
        const auto type = [search](const QString &text) {
            for (const QChar c : text)
                QTest::sendKeyEvent(QTest::Click, search, Qt::Key_unknown, QString(c), Qt::NoModifier);
        };
        type(QStringLiteral("иван"));
        seen << QString::number(table->rowCount()) << table->item(0, 0)->text();
        type(QStringLiteral("х"));
        seen << QString::number(table->rowCount());
        QTest::keyClick(search, Qt::Key_Backspace);
        QTest::keyClick(search, Qt::Key_Return);
    });
    // Offscreen, the window is made active again by hand after a dialog.
    QApplication::setActiveWindow(form.get());
    field("ClientDay")->setFocus();
    QTest::keyClick(field("ClientDay"), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(seen, QStringList({"Картотека", "1", "1", "Иванова Анна", "0"}))
        << modals.messages().join(u'|').toStdString();
    QStringList fields;
    for (const char *name : {"ClientDay", "ClientMonth", "ClientYear", "ClientHour", "ClientMinute", "ClientTime",
                             "ClientDolgotaG", "ClientDolgotaM"})
        fields << text(name);
    EXPECT_EQ(fields, QStringList({"15", "07", "1985", "10", "00", "04", "049", "07"}));
    EXPECT_EQ(form->result(), chart);
    EXPECT_EQ(form->findChild<QLabel *>(QStringLiteral("ClientLabel"))->text(), QStringLiteral("Иванова Анна"));
}

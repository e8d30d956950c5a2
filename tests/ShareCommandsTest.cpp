// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MainFormFixture.h"
#include "ToolRun.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "ChartPicture.h"
#include "ImageArea.h"

namespace {

class ShareCommandsTest : public MainFormTest
{
protected:
    // The sample chart calculated, and the focus in the day field.
    void calculateSample()
    {
        start();
        enter(QStringLiteral("06"), QStringLiteral("12"), QStringLiteral("2026"), QStringLiteral("14"),
              QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("037"), QStringLiteral("37"));
        form->BitBtn1Click();
        field("ClientDay")->setFocus();
    }

    QStringList windowState()
    {
        QStringList state;
        for (const char *name : {"ClientDay", "ClientMonth", "ClientYear", "ClientHour", "ClientMinute", "ClientTime",
                                 "ClientDolgotaG", "ClientDolgotaM"})
            state << text(name);
        state << form->findChild<QGroupBox *>(QStringLiteral("GroupBox3"))->title();
        for (int i = 1; i <= 6; ++i) {
            const QImage image = form->findChild<ImageArea *>(QStringLiteral("Image%1").arg(i))->image();
            state << QString::number(qHashBits(image.constBits(), image.sizeInBytes()));
        }
        return state;
    }

    void press(QKeyCombination keys)
    {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    }
};

} // namespace

// The clipboard text is the tool's text output under a line naming the
// moment and the place; Ctrl+Shift+C works from inside an input field.
TEST_F(ShareCommandsTest, CopyAsTextIsTheToolsOutputUnderItsHeader)
{
    calculateSample();
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    const QString tool = RunTool(QStringLiteral(VELMORA_CHART), SampleToolArguments());
    ASSERT_FALSE(tool.isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("06.12.2026 14:05, поправка +3, долгота 037:37E\n") + tool);
    EXPECT_EQ(text("ClientDay"), QStringLiteral("06"));
}

TEST_F(ShareCommandsTest, CtrlCInAFieldStillCopiesItsSelection)
{
    calculateSample();
    field("ClientYear")->setFocus();
    field("ClientYear")->selectAll();
    press(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2026"));
}

// The copied picture is the saved PNG, pixel for pixel.
TEST_F(ShareCommandsTest, CopyAsPictureIsThePng)
{
    calculateSample();
    form->findChild<QAction *>(QStringLiteral("NCopyPicture"))->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QTemporaryDir dir;
    ASSERT_TRUE(form->saveChartTo(dir.filePath(QStringLiteral("c.png"))));
    const QImage saved(dir.filePath(QStringLiteral("c.png")));
    EXPECT_EQ(copied.size(), ChartPictureSize() * 2);
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), saved.convertToFormat(QImage::Format_RGB32));
}

// Ctrl+S opens the save dialog in the last folder with the chart's name; the
// type chosen there gives the extension, and the folder is remembered.
TEST_F(ShareCommandsTest, SaveDialogProposesTheNameAndRemembersTheFolder)
{
    QTemporaryDir last, chosen;
    settings.values[QStringLiteral("savedir")] = last.path();
    calculateSample();
    QString proposed;
    modals.expect();
    modals.onDialog([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles().value(0);
        dialog->selectNameFilter(QStringLiteral("PNG (*.png)"));
        dialog->selectFile(chosen.filePath(QStringLiteral("mine")));
        static_cast<QDialog *>(dialog)->accept(); // as the dialog's own Save button does
    });
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_EQ(proposed, last.filePath(QStringLiteral("velmora-2026-12-06-1405.pdf")));
    EXPECT_FALSE(QImage(chosen.filePath(QStringLiteral("mine.png"))).isNull());
    EXPECT_EQ(settings.values[QStringLiteral("savedir")], chosen.path());
    EXPECT_EQ(modals.messages(), QStringList{QStringLiteral("<dialog %1>").arg(modals.seen()[0].objectName)});
}

// Saving, failed or not, changes neither the chart, nor the fields, nor the
// copy panel; the file shows the chart's own moment even after the fields
// were edited without calculating.
TEST_F(ShareCommandsTest, SavingChangesNothingInTheWindow)
{
    calculateSample();
    form->Bit2Click();
    put("ClientHour", QStringLiteral("20"));
    const QStringList before = windowState();
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/chart.pdf"));
    modals.expect();
    EXPECT_FALSE(form->saveChartTo(missing));
    ASSERT_EQ(modals.messages().size(), 1);
    EXPECT_TRUE(modals.messages()[0].contains(missing));
    const QString saved = dir.filePath(QStringLiteral("chart.pdf"));
    EXPECT_TRUE(form->saveChartTo(saved));
    EXPECT_EQ(windowState(), before);
    EXPECT_TRUE(form->isVisible());
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {saved}).contains(QStringLiteral("06.12.2026 14:05")));
}

// The three items follow "Печать", before "Место…" and the separator, with
// their keys, and wait for a chart: a start-up that stops before calculating
// leaves them disabled.
TEST_F(ShareCommandsTest, MenuItemsFollowPrintAndWaitForAChart)
{
    settings.badType = {QStringLiteral("sd")};
    modals.expect(); // start-up stops at the unreadable value, before any chart
    start();
    modals.clear();
    // The menu "Печать" keeps its items and the share items; the chart's
    // tools have the menu "Карта" between it and "Справка".
    QStringList menus, names, keys;
    for (QAction *menu : form->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&Печать", "&Карта", "К&артотека", "С&правка"}));
    for (const char *menu : {"N6", "NChart"}) {
        for (QAction *action : form->findChild<QMenu *>(QString::fromLatin1(menu))->actions()) {
            names << action->objectName();
            keys << action->shortcut().toString();
            const bool waits = action->objectName().startsWith(QLatin1String("NSave"))
                || action->objectName().startsWith(QLatin1String("NCopy")) || action->objectName() == "NLuck"
                || action->objectName() == "NReading";
            if (waits) {
                EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(names,
              QStringList({"N7", "NSave", "NCopyText", "NCopyPicture", "N8", "N9", "NPlace", "NLuck", "NAround",
                           "NReading", "NDays", "", "NSolarTime", "NDayChange"}));
    EXPECT_EQ(keys,
              QStringList({"F8", "Ctrl+S", "Ctrl+Shift+C", "", "", "Ctrl+X", "Ctrl+M", "Ctrl+L", "Ctrl+R", "Ctrl+I",
                           "Ctrl+D", "", "", ""}));
    field("ClientDay")->setFocus();
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(modals.messages().isEmpty());
}

// The place travels with the chart: the saved page and picture and the
// copied text carry one line with the place, the exact offset used and the
// longitude, as the tool's files do for the same place.
TEST_F(ShareCommandsTest, ThePlaceLineTravelsWithTheChart)
{
    start();
    enter(QStringLiteral("01"), QStringLiteral("01"), QStringLiteral("2000"), QStringLiteral("12"),
          QStringLiteral("00"), QStringLiteral("05"), QStringLiteral("060"), QStringLiteral("36"));
    modals.expect();
    modals.onDialog([](QWidget *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("PlaceQuery"));
        QTest::keyClicks(edit, QStringLiteral("Kolkata"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    form->NPlaceClick();
    form->BitBtn1Click();
    const QString line = QStringLiteral("Место: Колката, поправка +5:30, долгота 088:22E");
    form->NCopyTextClick();
    EXPECT_EQ(QApplication::clipboard()->text().section(u'\n', 0, 1),
              QStringLiteral("01.01.2000 12:00, поправка +5:30, долгота 088:22E\n") + line);

    QTemporaryDir dir;
    const QString window = dir.filePath(QStringLiteral("window.pdf")), tool = dir.filePath(QStringLiteral("tool.pdf"));
    ASSERT_TRUE(form->saveChartTo(window));
    RunTool(QStringLiteral(VELMORA_CHART),
            {QStringLiteral("01.01.2000"), QStringLiteral("12:00"), QStringLiteral("--place"),
             QStringLiteral("Kolkata"), QStringLiteral("--pdf"), tool});
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const auto text = [](const QString &path) {
        return RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    };
    EXPECT_TRUE(text(window).contains(line)) << text(window).toStdString();
    EXPECT_EQ(text(window), text(tool));
}

// The report saved from the days dialog, for a client's chart with the
// reading and the luck pillars opened, is the tool's report of the same
// client, options and days, page for page.
TEST_F(ShareCommandsTest, TheWindowsReportIsTheTools)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    start();
    enter(QStringLiteral("15"), QStringLiteral("07"), QStringLiteral("1985"), QStringLiteral("10"),
          QStringLiteral("00"), QStringLiteral("04"), QStringLiteral("049"), QStringLiteral("07"));
    form->BitBtn1Click();
    QTemporaryDir dir, other;
    const QString tool = other.filePath(QStringLiteral("tool.pdf"));
    QString first, last;
    modals.expect(4);
    modals.onDialog([&](QWidget *dialog) {
        if (dialog->objectName() == QStringLiteral("ClientForm")) {
            dialog->findChild<QLineEdit *>(QStringLiteral("ClientFormName"))->setText(QStringLiteral("Иванова Анна"));
            dialog->findChild<QComboBox *>(QStringLiteral("ClientFormSex"))->setCurrentText(QStringLiteral("ж"));
            dialog->findChild<QPushButton *>(QStringLiteral("ClientFormSave"))->click();
        } else if (dialog->objectName() == QStringLiteral("DaysDialog")) {
            auto *days = dialog->findChild<QTableWidget *>(QStringLiteral("DaysTable"));
            first = days->item(0, 0)->text();
            last = days->item(days->rowCount() - 1, 0)->text();
            // The save dialog opens inside this one's handler.
            QTimer::singleShot(50, [&] {
                auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                ASSERT_NE(files, nullptr);
                files->selectFile(dir.filePath(QStringLiteral("window.pdf")));
                static_cast<QDialog *>(files)->accept();
            });
            // Offscreen, a dialog's shortcuts do not reach it; the button's
            // Ctrl+S is tried in a real session.
            dialog->findChild<QPushButton *>(QStringLiteral("DaysSave"))->click();
        }
    });
    form->NClientSaveClick();
    form->NReadingClick();
    form->NLuckClick();
    form->NDaysClick();
    ASSERT_EQ(modals.messages().size(), 4) << modals.messages().join(u'|').toStdString();
    // The name typed may lose to the proposal while the dialog reads its
    // folder offscreen; the one file saved there is the report.
    const QStringList saved = QDir(dir.path()).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(saved.size(), 1);
    const QString window = dir.filePath(saved[0]);
    RunTool(QStringLiteral(VELMORA_CHART),
            {QStringLiteral("--client"), QStringLiteral("Иванова Анна"), QStringLiteral("--luck"),
             QStringLiteral("--reading"), QStringLiteral("--days"), first, last, QStringLiteral("--pdf"), tool});
    const auto pages = [](const QString &path) {
        return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .split(u'\f', Qt::SkipEmptyParts);
    };
    const QStringList seen = pages(window);
    ASSERT_GE(seen.size(), 3);
    EXPECT_TRUE(seen[0].contains(QStringLiteral("Клиент: Иванова Анна"))) << seen[0].toStdString();
    EXPECT_TRUE(seen.join(u'\f').contains(QStringLiteral("Календарь дней с ") + first));
    EXPECT_EQ(seen, pages(tool));
}

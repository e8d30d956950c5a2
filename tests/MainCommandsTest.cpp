// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QAction>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLocale>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "ImageArea.h"
#include "MainFormFixture.h"
#include "ScopedWorkingDirectory.h"

class MainCommands : public MainFormTest
{
protected:
    const QImage &image(const char *name) { return form->findChild<ImageArea *>(QString::fromLatin1(name))->image(); }
    // The commands as their button or menu item runs them.
    void calculate() { form->findChild<QPushButton *>("BitBtn1")->click(); }
    void copy() { form->findChild<QPushButton *>("Bit2")->click(); }
    void showHelp() { form->findChild<QAction *>("N2")->trigger(); }
    QString copyCaption() { return form->findChild<QGroupBox *>("GroupBox3")->title(); }
    void press(const char *button) { QTest::mouseClick(form->findChild<QPushButton *>(button), Qt::LeftButton); }
};

TEST_F(MainCommands, CopyShowsTheLastResultUnderTheFieldsAsTheyStand)
{
    start();
    EXPECT_EQ(copyCaption(), "Копия");
    enter("01", "01", "2000", "12", "00", "00", "000", "00");
    press("BitBtn1");
    // Edited without calculating: the caption follows the fields, the
    // tables the last calculation.
    put("ClientDay", "06");
    put("ClientMonth", "12");
    put("ClientYear", "2026");
    put("ClientHour", "7");
    press("Bit2");
    const QString date = QLocale::system().toString(QDate(2026, 12, 6), QLocale::ShortFormat);
    EXPECT_EQ(copyCaption(), date + "  7:00");
    EXPECT_EQ(image("Image4"), image("Image1"));
    EXPECT_EQ(image("Image5"), image("Image2"));
    EXPECT_EQ(image("Image6"), image("Image3"));

    // Twice in a row gives the same picture.
    const QImage copied = image("Image4").copy();
    press("Bit2");
    EXPECT_EQ(image("Image4"), copied);
    EXPECT_TRUE(modals.messages().isEmpty());
}

TEST_F(MainCommands, CopyOfAnImpossibleDateChangesNothing)
{
    start();
    const QImage before = image("Image4").copy();
    put("ClientDay", "31");
    put("ClientMonth", "02");
    modals.expect(2);
    copy();
    put("ClientDay", "");
    copy();
    put("ClientDay", "01");
    put("ClientMonth", "01");
    put("ClientYear", "-1"); // a date the toolkit has, before year 1
    modals.expect();
    copy();
    EXPECT_EQ(modals.messages(),
              (QStringList{"Invalid argument to date encode.", "'' is not a valid integer value.",
                           "Invalid argument to date encode."}));
    EXPECT_EQ(copyCaption(), "Копия");
    EXPECT_EQ(image("Image4"), before);
}

TEST_F(MainCommands, CopyAfterAFailedCalculationKeepsTheLastFullResult)
{
    start();
    enter("01", "01", "2000", "12", "00", "00", "000", "00");
    press("BitBtn1");
    const QImage result = image("Image1").copy();
    put("ClientMinute", "");
    modals.expect();
    calculate(); // fails after the tables were cleared
    EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"});
    put("ClientMinute", "00");
    copy();
    EXPECT_EQ(image("Image4"), result);
}

TEST_F(MainCommands, PrintWithoutAPrinterSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is configured; not printing on it from a test";
    start();
    field("ClientDay")->setFocus();
    modals.expect();
    QTest::keyClick(field("ClientDay"), Qt::Key_F8);
    EXPECT_EQ(modals.messages(), QStringList{"Ошибка печати"});
}

TEST_F(MainCommands, HelpIsReadFromTheWorkingDirectory)
{
    start();
    QTemporaryDir dir;
    const ScopedWorkingDirectory inDir(dir.path());
    ASSERT_TRUE(inDir.changed());
    // Nor any help installed on this machine.
    const QByteArray dataFolders = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", dir.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_DIRS", dataFolders); });
    modals.expect(2);
    showHelp();
    EXPECT_EQ(modals.messages(), QStringList{"File not found."});
    QFile help(dir.filePath("help.txt"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("A\r\nB");
    help.close();
    modals.clear();
    showHelp();
    EXPECT_EQ(modals.messages(), QStringList{"\r\nA\r\nB"});
}

// A press on a command button whose focus change was refused by the date
// check reports the date once and runs no command.
TEST_F(MainCommands, APressRefusedByTheDateCheckRunsNoCommand)
{
    start();
    enter("01", "01", "2000", "12", "00", "00", "000", "00");
    press("BitBtn1");
    const QString caption = copyCaption();
    put("ClientDay", "31");
    put("ClientMonth", "02");
    for (const char *button : {"BitBtn1", "Bit2"}) {
        field("ClientMonth")->setFocus();
        modals.clear();
        modals.expect();
        press(button);
        EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"}) << button;
        EXPECT_EQ(form->focusWidget(), field("ClientDay")) << button;
        EXPECT_EQ(copyCaption(), caption) << button;
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
}

TEST_F(MainCommands, MessagesShowPastedMarkupAsPlainText)
{
    start();
    modals.clear();
    modals.expect(2);
    put("ClientYear", "<img src=x>");
    copy();
    put("ClientYear", "2026");
    put("ClientDay", "31");
    put("ClientMonth", "02");
    calculate();
    ASSERT_EQ(modals.messages(),
              (QStringList{"'<img src=x>' is not a valid integer value.", "Установленная дата не существует"}));
    for (const ModalWatcher::Seen &box : modals.seen())
        EXPECT_EQ(box.format, Qt::PlainText) << box.text.toStdString();
}

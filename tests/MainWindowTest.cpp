// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QDate>
#include <QGroupBox>
#include <QPushButton>

#include "ImageArea.h"
#include "MainFormFixture.h"

namespace {

const ChartResult WorkedExample = [] {
    ChartResult r;
    r.HourPillar = {"ЗЕМ", "ОГО"};
    r.DayPillar = {"ЗЕМ", "ОГО"};
    r.MonthPillar = {"ОГО", "ВОД"};
    r.YearPillar = {"зем", "дер"};
    r.YearSquare = {{{9, 5, 7}, {8, 1, 3}, {4, 6, 2}}};
    r.MonthSquare = {{{6, 2, 4}, {5, 7, 9}, {1, 3, 8}}};
    return r;
}();

bool HasInk(const QImage &image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

} // namespace

class MainWindow : public MainFormTest
{
protected:
    const QImage &image(const char *name) { return form->findChild<ImageArea *>(QString::fromLatin1(name))->image(); }
    void calculate() { QTest::mouseClick(form->findChild<QPushButton *>("BitBtn1"), Qt::LeftButton); }
};

TEST_F(MainWindow, StartsWithTheChartOfNowAtTheDefaultPlace)
{
    start();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(text("ClientDay"), QStringLiteral("%1").arg(today.day(), 2, 10, QChar(u'0')));
    EXPECT_EQ(text("ClientYear"), QString::number(today.year()));
    EXPECT_EQ(text("ClientTime"), "05");
    EXPECT_EQ(text("ClientDolgotaG"), "060");
    EXPECT_EQ(text("ClientDolgotaM"), "36");
    EXPECT_EQ(form->findChild<QPushButton *>("ClientButtonDolgota")->text(), "E");
    EXPECT_FALSE(form->result().YearPillar.Stem.empty());
    EXPECT_NE(form->result().MonthSquare[1][1], 0);
    EXPECT_EQ(form->centralWidget()->size(), QSize(473, 369));
    EXPECT_EQ(form->windowTitle(), "Velmora");
    EXPECT_TRUE(modals.messages().isEmpty()) << modals.messages().join('|').toStdString();
    // Copy panel: grey-blue empty tables until the first copy.
    EXPECT_EQ(QColor(image("Image4").pixel(5, 40)), QColor(207, 223, 226));
}

TEST_F(MainWindow, CopyPanelBodyIsOneFlatColour)
{
    start();
    auto *panel = form->findChild<QGroupBox *>("GroupBox3");
    const QImage shot = panel->grab().toImage();
    // Free places of the panel: beside the caption, the frame's former top
    // edge, the strip under the tables, the gaps between them.
    for (const QPoint at : {QPoint(200, 5), QPoint(250, 18), QPoint(250, 19), QPoint(5, 60), QPoint(300, 117),
                            QPoint(248, 70), QPoint(470, 60), QPoint(2, 118)})
        EXPECT_EQ(QColor(shot.pixel(at)), QColor(207, 223, 226)) << at.x() << "," << at.y();
}

TEST_F(MainWindow, CalculatesAndDrawsAKnownMoment)
{
    start();
    enter("01", "01", "2000", "12", "00", "00", "000", "00");
    calculate();
    EXPECT_EQ(form->result(), WorkedExample);
    const QImage &table = image("Image1");
    EXPECT_EQ(QColor(table.pixel(0, 40)), QColor(0, 0, 255));     // frame
    EXPECT_EQ(QColor(table.pixel(3, 40)), QColor(255, 255, 185)); // background
    EXPECT_TRUE(HasInk(table, {9, 31, 20, 10}));                  // hour stem
    EXPECT_TRUE(HasInk(image("Image2"), {10, 8, 6, 10}));         // year square cell
    EXPECT_FALSE(HasInk(image("Image3"), {2, 2, 6, 4}));
}

TEST_F(MainWindow, FailedCalculationsKeepThePreviousResult)
{
    start();
    enter("01", "01", "2000", "12", "00", "00", "000", "00");
    calculate();
    const QImage before = image("Image1").copy();

    put("ClientDay", "31");
    put("ClientMonth", "02");
    modals.expect(3);
    calculate();
    EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"});
    EXPECT_EQ(form->focusWidget(), field("ClientDay"));
    EXPECT_EQ(image("Image1"), before); // nothing drawn before the date check
    EXPECT_EQ(form->result(), WorkedExample);

    modals.clear();
    put("ClientMonth", "01");
    put("ClientMinute", "");
    calculate();
    EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"});
    EXPECT_FALSE(HasInk(image("Image1"), {9, 31, 20, 10})); // tables drawn empty
    EXPECT_EQ(form->result(), WorkedExample);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    modals.clear();
    enter("01", "01", "4000", "12", "00", "00", "000", "00");
    calculate();
    EXPECT_EQ(modals.messages(), QStringList{"Дата вне диапазона эфемериды"});
    EXPECT_EQ(form->result(), WorkedExample);
    EXPECT_EQ(image("Image1"), before); // the chart on screen stays
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindow, CloseStoresCorrectionAndLongitudeAsTheyStand)
{
    start();
    put("ClientTime", "7");
    put("ClientDolgotaG", "1");
    put("ClientDolgotaM", "");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(settings.values["sd"], "7");
    EXPECT_EQ(settings.values["dg"], "1");
    EXPECT_EQ(settings.values["dm"], "");
}

TEST_F(MainWindow, FailedWriteAtCloseKeepsTheWindowOpen)
{
    start();
    settings.writable = false;
    modals.expect();
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(modals.messages(), QStringList{"Failed to set data for 'sd'"});
}

TEST_F(MainWindow, AnyErrorOfTheWriteAtCloseIsReportedNotThrown)
{
    start();
    settings.otherError = "write interrupted";
    modals.expect();
    EXPECT_NO_THROW(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(modals.messages(), QStringList{"write interrupted."});
}

TEST_F(MainWindow, KeysOfTheWindow)
{
    start();
    enter("01", "01", "2000", "12", "00", "00", "000", "00");
    field("ClientMinute")->setFocus();
    QTest::keyClick(field("ClientMinute"), Qt::Key_Return);
    EXPECT_EQ(form->result(), WorkedExample);

    // Ctrl+X closes from inside a field; the field keeps its text.
    field("ClientYear")->setFocus();
    field("ClientYear")->selectAll();
    QTest::keyClick(field("ClientYear"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(text("ClientYear"), "2000");
    EXPECT_EQ(settings.writes, 1);

    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    field("ClientDay")->setFocus();
    QTest::keyClick(field("ClientDay"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(settings.writes, 2);
}

TEST_F(MainWindow, EnterOnAButtonPressesThatButton)
{
    start();
    auto *hemisphere = form->findChild<QPushButton *>("ClientButtonDolgota");
    hemisphere->setFocus();
    QTest::keyClick(hemisphere, Qt::Key_Return);
    EXPECT_EQ(hemisphere->text(), "W");
    QTest::keyClick(hemisphere, Qt::Key_Space);
    EXPECT_EQ(hemisphere->text(), "E");
}

struct StoredCase {
    const char *sd, *dg, *dm;
    const char *correction, *degrees, *minutes;
};

class StoredSettings : public MainFormTest, public ::testing::WithParamInterface<StoredCase>
{
};

TEST_P(StoredSettings, AreNormalisedAtStart)
{
    const StoredCase &c = GetParam();
    settings.values = {{"sd", c.sd}, {"dg", c.dg}, {"dm", c.dm}};
    if (QString(c.sd).isEmpty())
        modals.expect(); // the calculation needs a number
    start();
    EXPECT_EQ(text("ClientTime"), c.correction);
    EXPECT_EQ(text("ClientDolgotaG"), c.degrees);
    EXPECT_EQ(text("ClientDolgotaM"), c.minutes);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, StoredSettings,
                         ::testing::Values(StoredCase{"7", "5", "9", "07", "005", "09"},
                                           StoredCase{"99", "200", "75", "09", "020", "07"},
                                           StoredCase{"-5", "45", "12345", "-5", "045", "12"},
                                           StoredCase{"", "", "", "", "", ""}));

TEST_F(MainWindow, EmptyStoredValueStaysEmptyAndIsWrittenBackEmpty)
{
    settings.values = {{"sd", ""}};
    modals.expect(); // the calculation needs a number
    start();
    EXPECT_EQ(text("ClientTime"), "");
    field("ClientTime")->setFocus();
    field("ClientDolgotaG")->setFocus(); // the exit rule falls back to the empty start-up text
    EXPECT_EQ(text("ClientTime"), "");
    EXPECT_EQ(modals.messages(), QStringList{"Установленная дата не существует"}); // calculation needs a number
    form->close();
    EXPECT_EQ(settings.values["sd"], "");
}

TEST_F(MainWindow, UnreadableStoredValuesStopTheStartUp)
{
    settings.values = {{"sd", "07"}, {"dm", "40"}};
    settings.badType = {"dg"};
    modals.expect(2);
    start();
    EXPECT_EQ(modals.messages(), QStringList{"Invalid data type for 'dg'"});
    EXPECT_EQ(text("ClientTime"), "07");
    EXPECT_EQ(text("ClientDolgotaM"), "");               // never read
    EXPECT_TRUE(form->result().HourPillar.Stem.empty()); // no calculation ran

    form->close();
    settings.badType.clear();
    settings.values = {{"sd", "x1"}};
    modals.clear();
    start();
    EXPECT_EQ(modals.messages(), QStringList{"'x1' is not a valid integer value."});
    EXPECT_EQ(text("ClientTime"), "x1");
}

// Every correction the field's range holds shows in full, whether the
// arrows or the store put it there: the field widens to the left over its
// group's free room for "-10" to "-23", and keeps its designed place for
// every text that fits it.
TEST_F(MainWindow, EveryCorrectionShowsInFull)
{
    start();
    EditField *correction = field("ClientTime");
    const QRect designed(48, 20, 20, 17);
    for (int value = -23; value <= 23; ++value) {
        const QString shown = value < 0 ? QString::number(value) : QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
        put("ClientTime", shown);
        // A text that does not fit is scrolled, and its glyphs then touch
        // the field's edge.
        const QImage image = correction->grab().toImage();
        int left = image.width(), right = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GT(left, 0) << shown.toStdString();
        EXPECT_LT(right, image.width() - 1) << shown.toStdString();
        EXPECT_EQ(correction->geometry().right(), designed.right()) << shown.toStdString();
        if (shown.size() == 2) {
            EXPECT_EQ(correction->geometry(), designed) << shown.toStdString();
        }
    }
}

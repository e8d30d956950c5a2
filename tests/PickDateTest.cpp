// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ModalWatcher.h"
#include "Calendar.h"
#include "SpinButton.h"
#include "Unit2.h"

namespace {

using Texts = std::array<QString, 3>;

// The dialog with stand-ins for the main window's three date fields.
class PickDateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog.setDateFields([this] { return fields; },
                             [this](const QString &d, const QString &m, const QString &y) {
                                 fields = {d, m, y};
                                 ++writes;
                             });
    }

    void open(const Texts &texts)
    {
        fields = texts;
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    template <typename W = QWidget>
    W *child(const char *name)
    {
        return dialog.findChild<W *>(QString::fromLatin1(name));
    }

    void arrow(const char *name, bool up)
    {
        auto *spin = child<SpinButton>(name);
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, up ? 5 : spin->height() - 5));
    }

    CalendarDate shown() { return dialog.calendar()->date(); }

    TPickDate dialog;
    Texts fields;
    int writes = 0;
};

// Error boxes are closed and recorded; the dialog itself is shown modelessly,
// so the recorder leaves it alone.
class PickDateBoxTest : public PickDateTest
{
protected:
    ModalWatcher boxes;
};

} // namespace

TEST_F(PickDateTest, LayoutFollowsTheDesign)
{
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Выбор даты"));
    EXPECT_EQ(dialog.size(), QSize(260, 193));
    const std::pair<const char *, QRect> places[] = {
        {"Panel1", {0, 0, 104, 26}},       {"SpinButton1", {104, 0, 16, 26}}, {"Panel2", {136, 0, 105, 26}},
        {"SpinButton2", {240, 0, 16, 26}}, {"Calendar1", {0, 39, 260, 97}},   {"Panel3", {0, 140, 260, 53}},
        {"BitBtn1", {8, 9, 113, 33}},      {"BitBtn2", {136, 9, 113, 33}},
    };
    for (const auto &[name, geometry] : places) {
        ASSERT_NE(child(name), nullptr) << name;
        EXPECT_EQ(child(name)->geometry(), geometry) << name;
    }
    EXPECT_EQ(child<QPushButton>("BitBtn1")->text(), QString::fromUtf8("Применить"));
    EXPECT_TRUE(child<QPushButton>("BitBtn1")->isDefault());
    EXPECT_EQ(child<QPushButton>("BitBtn2")->text(), QString::fromUtf8("Закрыть"));
}

TEST_F(PickDateTest, TabRunsFromTheGridThroughTheButtonsAndFocusIsKeptBetweenOpenings)
{
    open({"03", "03", "2024"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.calendar());
    for (const char *name : {"BitBtn1", "BitBtn2", "Calendar1", "BitBtn1", "BitBtn2"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), child(name)) << name;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    open({"03", "03", "2024"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), child("BitBtn2"));
    arrow("SpinButton1", true); // the arrows leave the focus alone
    EXPECT_EQ(QApplication::focusWidget(), child("BitBtn2"));
    QTest::keyClick(child("BitBtn2"), Qt::Key_Return); // Enter presses the focused button
    EXPECT_FALSE(dialog.isVisible());
    open({"03", "03", "2024"});
    dialog.close(); // the close box
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(writes, 0);
}

TEST_F(PickDateBoxTest, OpeningStartsFromAValidMainWindowDateOnly)
{
    open({"03", "03", "2024"});
    EXPECT_EQ(shown(), (CalendarDate{2024, 3, 3}));
    EXPECT_EQ(child<QLabel>("Panel1")->text(), QStringLiteral("Март")); // a heading, capitalised
    EXPECT_EQ(child<QLabel>("Panel2")->text(), QStringLiteral("2024"));
    dialog.hide();
    for (const Texts &texts : {Texts{"31", "02", "2023"}, Texts{"1x", "02", "2023"}}) {
        open(texts);
        EXPECT_EQ(shown(), (CalendarDate{2024, 3, 3})) << texts[0].toStdString();
        EXPECT_EQ(child<QLabel>("Panel2")->text(), QStringLiteral("2024"));
        dialog.hide();
    }
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(PickDateBoxTest, ArrowsStepMonthAndYear)
{
    struct Case {
        Texts from;
        const char *arrowName;
        bool up;
        CalendarDate to;
        int changes;
    };
    const Case cases[] = {
        {{"31", "01", "2024"}, "SpinButton1", true, {2024, 2, 29}, 1},
        {{"31", "03", "2023"}, "SpinButton1", false, {2023, 2, 28}, 1},
        {{"29", "02", "2024"}, "SpinButton2", true, {2025, 2, 28}, 2},
        {{"29", "02", "2024"}, "SpinButton2", false, {2023, 2, 28}, 2},
        {{"28", "02", "2023"}, "SpinButton2", true, {2024, 2, 28}, 1},
    };
    for (const Case &c : cases) {
        const std::string name = c.from[0].toStdString() + "." + c.from[1].toStdString() + "." + c.from[2].toStdString()
            + " " + c.arrowName + (c.up ? " up" : " down");
        open(c.from);
        QSignalSpy changes(dialog.calendar(), &TCalendar::changed);
        arrow(c.arrowName, c.up);
        EXPECT_EQ(shown(), c.to) << name;
        EXPECT_EQ(changes.count(), c.changes) << name;
        EXPECT_EQ(child<QLabel>("Panel2")->text(), QString::number(c.to.Year)) << name;
        dialog.hide();
    }
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(PickDateBoxTest, StepsBeyondYears1To9999AreReportedAndChangeNothing)
{
    const std::tuple<Texts, const char *, bool, bool> cases[] = {
        {{"10", "01", "0001"}, "SpinButton2", false, false},
        {{"10", "01", "0001"}, "SpinButton1", false, true},
        {{"10", "12", "9999"}, "SpinButton2", true, true},
        {{"10", "12", "9999"}, "SpinButton1", true, true},
    };
    for (const auto &[from, arrowName, up, reported] : cases) {
        const std::string name = from[2].toStdString() + " " + arrowName + (up ? " up" : " down");
        open(from);
        const CalendarDate dateBefore = shown();
        const size_t seenBefore = boxes.seen().size();
        if (reported)
            boxes.expect();
        arrow(arrowName, up);
        EXPECT_EQ(shown(), dateBefore) << name;
        EXPECT_TRUE(dialog.isVisible()) << name;
        ASSERT_EQ(boxes.seen().size(), seenBefore + (reported ? 1 : 0)) << name;
        if (reported) {
            EXPECT_EQ(boxes.seen().back().text, QString::fromLatin1(DateEncodeError) + u'.') << name;
            EXPECT_EQ(boxes.seen().back().icon, QMessageBox::Critical) << name;
        }
        dialog.hide();
    }
}

TEST_F(PickDateTest, ApplyWritesZeroFilledFieldsAndCloses)
{
    const std::pair<CalendarDate, Texts> cases[] = {
        {{5, 3, 3}, {"03", "03", "0005"}},
        {{2024, 3, 3}, {"03", "03", "2024"}},
        {{87, 11, 25}, {"25", "11", "0087"}},
        {{999, 1, 1}, {"01", "01", "0999"}},
    };
    for (const auto &[date, texts] : cases) {
        open({"01", "01", "2000"});
        dialog.calendar()->setDate(date);
        QTest::mouseClick(child("BitBtn1"), Qt::LeftButton);
        EXPECT_EQ(fields, texts) << texts[2].toStdString();
        EXPECT_FALSE(dialog.isVisible()) << texts[2].toStdString();
    }
}

TEST_F(PickDateTest, ModalRunPicksWithTheKeyboardAndAppliesWithEnter)
{
    fields = {"31", "01", "2024"};
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        dialog.reject();
    });
    guard.start(10000);
    QTimer::singleShot(0, [&] {
        if (!QTest::qWaitForWindowActive(&dialog))
            return; // the guard ends the run
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(fields, (Texts{"30", "01", "2024"}));
}

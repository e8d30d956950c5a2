// SPDX-License-Identifier: AGPL-3.0-or-later
// The place dialog driven from the window: search, pick, apply, then
// calculate.

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMenu>
#include <QPushButton>

#include "Chart.h"
#include "MainFormFixture.h"
#include "PlaceOption.h"
#include "PlaceUnit.h"

namespace {

// Types the query into the open place dialog, then presses the keys.
auto Search(const QString &query, std::vector<Qt::Key> keys, QStringList *shown = nullptr)
{
    return [=](QWidget *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>("PlaceQuery");
        ASSERT_EQ(dialog->focusWidget(), edit);
        // Typed as text: QTest's key names are Latin only.
        for (const QChar c : query)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (shown) {
            const auto *list = dialog->findChild<QListWidget *>("PlaceList");
            for (int i = 0; i < list->count(); ++i)
                shown->append(list->item(i)->text());
            shown->append(QString::number(list->currentRow()));
        }
        for (const Qt::Key key : keys)
            QTest::keyClick(edit, key);
    };
}

class PlaceWindowTest : public MainFormTest
{
protected:
    void rightClick(const char *group)
    {
        QTest::mouseClick(form->findChild<QWidget *>(group), Qt::RightButton, {}, QPoint(30, 4));
    }
    QString hemisphere() { return form->findChild<QPushButton *>("ClientButtonDolgota")->text(); }
};

} // namespace

TEST_F(PlaceWindowTest, KazanFromTheLongitudeGroupThenCalculate)
{
    start();
    enter("15", "07", "1985", "10", "00", "09", "060", "36");
    form->BitBtn1Click();
    const ChartResult before = form->result();

    QStringList shown;
    modals.expect();
    modals.onDialog(Search(QStringLiteral("каз"), {Qt::Key_Return}, &shown));
    rightClick("ClientGroupBox4");
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown.front(), QStringLiteral("Казань, Республика Татарстан, Россия"));
    EXPECT_EQ(shown.back(), QStringLiteral("0"));
    EXPECT_EQ(modals.messages(), QStringList{QStringLiteral("<dialog PlaceDialog>")});
    EXPECT_EQ(text("ClientTime"), "04");
    EXPECT_EQ(text("ClientDolgotaG"), "049");
    EXPECT_EQ(text("ClientDolgotaM"), "07");
    EXPECT_EQ(hemisphere(), "E");
    EXPECT_EQ(form->result(), before); // nothing calculated yet

    // The same chart as velmora-chart 15.07.1985 10:00 --place Казань.
    form->BitBtn1Click();
    ChartInput tool{15, 7, 1985, 10, 0, 5, 60, 36, "E"};
    ASSERT_TRUE(ApplyPlaceOptions({"Казань", ""}, tool).Used);
    EXPECT_EQ(form->result(), ComputeChart(tool).Details->Result);
    EXPECT_NE(form->result(), before);
}

// The place, then the date: each calculation takes the place's offset for
// the date and time in the fields, exact where it is not whole hours, and a
// doubled or skipped time asks which offset.
TEST_F(PlaceWindowTest, ThePlaceGivesTheOffsetOfTheDateInTheFields)
{
    struct Case {
        const char *query, *day, *month, *year, *hour, *minute;
        const char *fold; // the button the question is answered with, or none asked
        const char *correction, *label;
        int seconds;
    };
    const int h = 3600;
    const Case cases[] = {
        {"Москва", "15", "07", "1985", "10", "00", nullptr, "04", "Москва, +4", 4 * h},
        {"Москва", "15", "01", "2015", "10", "00", nullptr, "03", "Москва, +3", 3 * h},
        {"Kolkata", "01", "01", "2000", "12", "00", nullptr, "05", "Колката, +5:30", 5 * h + 1800},
        {"Москва", "15", "07", "1900", "10", "00", nullptr, "02", "Москва, +2:30:17, местное время", 9017},
        {"Москва", "29", "09", "1985", "02", "30", "FoldLater", "03", "Москва, +3", 3 * h},
        {"Москва", "29", "09", "1985", "02", "30", "FoldEarlier", "04", "Москва, +4", 4 * h},
        {"Москва", "31", "03", "1985", "02", "30", "FoldLater", "04", "Москва, +4", 4 * h},
    };
    start();
    const auto *label = form->findChild<QLabel *>("PlaceLabel");
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.query) + " " + c.day + "." + c.month + "." + c.year);
        // The place first, at today's date; then the chart's date.
        enter(startupTexts["ClientDay"], startupTexts["ClientMonth"], startupTexts["ClientYear"], "12", "00", "07",
              "060", "36");
        modals.clear();
        modals.expect();
        modals.onDialog(Search(QString::fromUtf8(c.query), {Qt::Key_Return}));
        rightClick("GroupBox1");
        for (const auto &[name, value] : {std::pair{"ClientDay", c.day},
                                          {"ClientMonth", c.month},
                                          {"ClientYear", c.year},
                                          {"ClientHour", c.hour},
                                          {"ClientMinute", c.minute}})
            put(name, QString::fromUtf8(value));
        if (c.fold) {
            modals.expect();
            modals.onMessageBox([&](QMessageBox *box) { box->findChild<QPushButton *>(c.fold)->click(); });
        }
        form->BitBtn1Click();
        modals.onMessageBox(nullptr);
        EXPECT_EQ(modals.messages().size(), c.fold ? 2 : 1);
        EXPECT_EQ(text("ClientTime"), c.correction);
        EXPECT_EQ(label->text(), QString::fromUtf8(c.label));
        ChartInput exact{std::stoi(c.day),
                         std::stoi(c.month),
                         std::stoi(c.year),
                         std::stoi(c.hour),
                         std::stoi(c.minute),
                         0,
                         text("ClientDolgotaG").toInt(),
                         text("ClientDolgotaM").toInt(),
                         "E"};
        SetClockOffset(exact, c.seconds);
        EXPECT_EQ(form->result(), ComputeChart(exact).Details->Result);
    }
}

// A hand edit of the correction or the longitude ends the place; the place,
// and the hemisphere, come back after a restart.
TEST_F(PlaceWindowTest, AHandEditEndsThePlaceARestartKeepsIt)
{
    start();
    const auto placeMoscow = [&] {
        modals.expect();
        modals.onDialog(Search(QStringLiteral("Москва"), {Qt::Key_Return}));
        rightClick("GroupBox1");
        return form->findChild<QLabel *>("PlaceLabel")->text();
    };
    const std::vector<std::function<void()>> edits = {
        [&] { form->SpinButtonTUpClick(); },
        [&] { form->SpinButtonDDownClick(); },
        [&] { form->ClientButtonDolgotaClick(); },
        [&] {
            field("ClientDolgotaM")->setFocus();
            QTest::keyClicks(field("ClientDolgotaM"), "5");
        },
    };
    for (const auto &edit : edits) {
        EXPECT_FALSE(placeMoscow().isEmpty());
        edit();
        EXPECT_EQ(form->findChild<QLabel *>("PlaceLabel")->text(), QString());
        const QString correction = text("ClientTime");
        put("ClientDay", "15");
        put("ClientMonth", "07");
        put("ClientYear", "1985");
        form->BitBtn1Click();
        EXPECT_EQ(text("ClientTime"), correction); // no longer the place's +4
    }

    placeMoscow();
    form->ClientButtonDolgotaClick(); // W: the hemisphere is kept too
    placeMoscow();
    form->findChild<QPushButton *>("ClientButtonDolgota")->setText(QStringLiteral("W"));
    form->close();
    EXPECT_EQ(settings.values["zone"], "Europe/Moscow");
    EXPECT_EQ(settings.values["hs"], "W");
    start();
    EXPECT_EQ(form->findChild<QLabel *>("PlaceLabel")->text().section(u',', 0, 0), QStringLiteral("Москва"));
    EXPECT_EQ(hemisphere(), "W");
    form->ClientButtonDolgotaClick();
    form->close();
    EXPECT_EQ(settings.values["zone"], "");
    EXPECT_EQ(settings.values["hs"], "E");
}

TEST_F(PlaceWindowTest, MenuItemArrowsWestAndCancel)
{
    start();
    const auto *menu = form->findChild<QMenu *>("NChart");
    EXPECT_EQ(menu->actions().front()->objectName(), "NPlace");
    auto *place = form->findChild<QAction *>("NPlace");
    EXPECT_EQ(place->text(), QStringLiteral("Место…"));
    EXPECT_EQ(place->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));

    // The second of the list, a western city: correction -4 in summer 1985.
    enter("15", "07", "1985", "10", "00", "05", "060", "36");
    QStringList shown;
    modals.expect();
    modals.onDialog(Search(QStringLiteral("new york"), {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, &shown));
    place->trigger();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(shown.front().startsWith(QStringLiteral("Нью-Йорк"))) << shown.front().toStdString();
    EXPECT_EQ(text("ClientTime"), "-4");
    EXPECT_EQ(text("ClientDolgotaG"), "074");
    EXPECT_EQ(text("ClientDolgotaM"), "00");
    EXPECT_EQ(hemisphere(), "W");

    // Esc writes nothing; a query that finds nothing cannot be applied.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        enter("15", "07", "1985", "10", "00", "05", "060", "36");
        modals.expect();
        modals.onDialog(Search(key == Qt::Key_Escape ? QStringLiteral("каз") : QStringLiteral("ыыщщ"), {key}));
        place->trigger();
        EXPECT_EQ(text("ClientTime"), "05");
        EXPECT_EQ(text("ClientDolgotaG"), "060");
    }
}

// What the list shows and selects, what stands in place of an empty list,
// and whether Enter applies the city or waits for a choice.
TEST_F(PlaceWindowTest, PreselectionLookAlikesAndNothingFound)
{
    struct Case {
        const char *query, *first;
        int selected;
        bool waits;
        const char *degrees;
    };
    const Case cases[] = {
        {"ленинград", "Ленинград → Санкт-Петербург, Россия", 0, false, "030"},
        {"заречный", "Заречный, Пензенская область, Россия (53.20° с. ш., 45.19° в. д.)", 0, false, "045"},
        {"заречный, свердл", "Заречный, Свердловская область, Россия", 0, false, "061"},
        {"тагил", "Нижний Тагил, Свердловская область, Россия", -1, true, "060"},
        {"ыыщщ", "", -1, true, "060"},
    };
    start();
    for (const Case &c : cases) {
        enter("15", "07", "1985", "10", "00", "05", "060", "36");
        QStringList shown;
        bool nothingShown = false;
        bool waited = false;
        modals.clear();
        modals.expect();
        modals.onDialog([&](QWidget *dialog) {
            Search(QString::fromUtf8(c.query), {}, &shown)(dialog);
            const auto *list = dialog->findChild<QListWidget *>("PlaceList");
            nothingShown = dialog->findChild<QLabel *>("PlaceNothing")->isVisible() && !list->isVisible();
            shown.back() = QString::number(list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems()[0]));
            QTest::keyClick(dialog->findChild<QLineEdit *>("PlaceQuery"), Qt::Key_Return);
            waited = dialog->isVisible();
        });
        form->findChild<QAction *>("NPlace")->trigger();
        ASSERT_FALSE(shown.isEmpty()) << c.query;
        EXPECT_EQ(shown.size() > 1 ? shown.front() : QString(), QString::fromUtf8(c.first)) << c.query;
        EXPECT_EQ(shown.back(), QString::number(c.selected)) << c.query;
        EXPECT_EQ(nothingShown, !*c.first) << c.query;
        EXPECT_EQ(waited, c.waits) << c.query;
        EXPECT_EQ(text("ClientDolgotaG"), c.degrees) << c.query;
    }
}

// The place dialog driven from the window: search, pick, apply, then
// calculate.

#include <QLabel>
#include <QListWidget>
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

TEST_F(PlaceWindowTest, OffsetsThatAreNoWholeHourLeaveTheCorrection)
{
    struct Case {
        const char *day, *month, *year, *hour, *query;
        const char *degrees, *minutes, *hemisphere, *message;
    };
    const Case cases[] = {
        {"15", "07", "1985", "10", "Kolkata", "088", "22", "E",
         "Долгота записана, поправка оставлена прежней: часы здесь в это время шли на +5:30 от всемирного "
         "времени, это не целое число часов."},
        {"29", "09", "1985", "02", "Москва", "037", "37", "E",
         "Долгота записана, поправка оставлена прежней: это время здесь было дважды, часы переводили назад "
         "(+4 или +3)."},
        {"31", "03", "1985", "02", "Москва", "037", "37", "E",
         "Долгота записана, поправка оставлена прежней: такого времени здесь не было, часы переводили вперёд "
         "(+3, затем +4)."},
        {"15", "07", "1915", "10", "Москва", "037", "37", "E",
         "Долгота записана, поправка оставлена прежней: часы здесь в это время шли на +2:30:17 от всемирного "
         "времени, это не целое число часов."},
        {"31", "02", "1985", "10", "Москва", "060", "36", "E", "Установленная дата не существует. Место не применено."},
    };
    start();
    for (const Case &c : cases) {
        enter(c.day, c.month, c.year, c.hour, "30", "07", "060", "36");
        modals.clear();
        modals.expect(2);
        modals.onDialog(Search(QString::fromUtf8(c.query), {Qt::Key_Return}));
        rightClick("GroupBox1");
        const QStringList expected{QStringLiteral("<dialog PlaceDialog>"), QString::fromUtf8(c.message)};
        EXPECT_EQ(modals.messages(), expected) << c.query << " " << c.year;
        EXPECT_EQ(text("ClientTime"), "07") << c.query;
        EXPECT_EQ(text("ClientDolgotaG"), QString::fromUtf8(c.degrees)) << c.query;
        EXPECT_EQ(text("ClientDolgotaM"), QString::fromUtf8(c.minutes)) << c.query;
        EXPECT_EQ(hemisphere(), c.hemisphere) << c.query;
    }
}

TEST_F(PlaceWindowTest, MenuItemArrowsWestAndCancel)
{
    start();
    const auto *menu = form->findChild<QMenu *>("N6");
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->objectName();
    EXPECT_EQ(items.indexOf("NPlace") + 1, items.indexOf("N8"));
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

// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart rules on the real window: toggling "Истинное солнечное время"
// recalculates the chart on display and names the rule beside the place;
// the rules are stored at close and come back after a restart.

#include <QAction>
#include <QLabel>

#include "MainFormFixture.h"

TEST_F(MainFormTest, RulesRecalculateAndAreStored)
{
    start();
    // Moscow's longitude at +3: local mean time 10:50:28 is the Змея hour;
    // true solar time, 16 minutes later, the Лошадь hour.
    enter("03", "11", "2024", "11", "20", "03", "037", "37");
    form->BitBtn1Click();
    EXPECT_EQ(form->result().HourPillar, (Pillar{"вод", "ого"}));
    auto *solar = form->findChild<QAction *>(QStringLiteral("NSolarTime"));
    auto *dayChange = form->findChild<QAction *>(QStringLiteral("NDayChange"));
    auto *rules = form->findChild<QLabel *>(QStringLiteral("RulesLabel"));
    EXPECT_TRUE(solar->isCheckable());
    EXPECT_EQ(rules->text(), QString());

    solar->trigger();
    EXPECT_EQ(form->result().HourPillar, (Pillar{"ДЕР", "ОГО"}));
    EXPECT_EQ(rules->text(), QStringLiteral("истинное солнечное время, +16 мин"));
    dayChange->trigger();
    EXPECT_EQ(rules->text(), QStringLiteral("истинное солнечное время, +16 мин; смена дня в 0:00"));
    dayChange->trigger();

    form->close();
    EXPECT_EQ(settings.values["solar"], "true");
    EXPECT_EQ(settings.values["daychange"], "23");
    start();
    EXPECT_TRUE(form->findChild<QAction *>(QStringLiteral("NSolarTime"))->isChecked());
    EXPECT_FALSE(form->findChild<QAction *>(QStringLiteral("NDayChange"))->isChecked());
    form->close();
    settings.values["solar"] = QStringLiteral("garbage");
    start();
    EXPECT_FALSE(form->findChild<QAction *>(QStringLiteral("NSolarTime"))->isChecked()) << "unreadable: the default";
}

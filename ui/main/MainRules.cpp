// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's chart rules: "Истинное солнечное время" and "Смена дня
// в 0:00", two checkable items at the end of the menu "Карта". Every chart
// the window computes follows them; either one on is named in a short line
// beside the place, and a change recalculates the chart on display. They
// are stored as "solar" (mean or true) and "daychange" (23 or 0), written
// at close like the place; a missing or unreadable value is the default.

#include "MainUnit.h"

#include <QLabel>
#include <QMenu>

#include "MessageBoxes.h"
#include "SettingsStore.h"
#include "SolarTime.h"

namespace {

constexpr char SolarValue[] = "solar";
constexpr char DayChangeValue[] = "daychange";

} // namespace

void TMainForm::addRuleCommands(QMenu *menu)
{
    menu->addSeparator();
    const auto add = [&](const char *name, const QString &caption) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        connect(item, &QAction::toggled, this, bound(&TMainForm::NRulesClick));
        return item;
    };
    m_solarTime = add("NSolarTime", QStringLiteral("Истинное солнечное время"));
    m_dayChange = add("NDayChange", QStringLiteral("Смена дня в 0:00"));
}

void TMainForm::buildRulesLabel()
{
    m_rulesLabel = new QLabel(m_client);
    m_rulesLabel->setObjectName(QStringLiteral("RulesLabel"));
    m_rulesLabel->setFont(m_placeLabel->font());
    m_rulesLabel->setWordWrap(true);
    m_rulesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_rulesLabel->setGeometry(246, 176, 106, 72);
}

void TMainForm::applyRules(ChartInput &input) const
{
    input.TrueSolarTime = m_solarTime->isChecked();
    input.DayChangeAtMidnight = m_dayChange->isChecked();
}

void TMainForm::showRules()
{
    ChartInput shown = m_chartInput;
    applyRules(shown);
    m_rulesLabel->setText(m_hasResult || !shown.TrueSolarTime ? QString::fromStdString(RulesText(shown))
                                                              : QStringLiteral("истинное солнечное время"));
}

void TMainForm::NRulesClick()
{
    showRules();
    if (m_hasResult && m_activated)
        BitBtn1Click();
}

// A value of the program's own additions: one that cannot be read costs
// only itself, and reads as empty.
QString TMainForm::optionalSetting(const QString &name)
{
    try {
        return m_settings.read(name).value_or(QString());
    } catch (const VelmoraError &) {
        return QString();
    }
}

void TMainForm::restoreRules()
{
    const auto read = [this](const char *name) { return optionalSetting(QString::fromLatin1(name)); };
    const QSignalBlocker quietSolar(m_solarTime);
    const QSignalBlocker quietDay(m_dayChange);
    m_solarTime->setChecked(read(SolarValue) == QStringLiteral("true"));
    m_dayChange->setChecked(read(DayChangeValue) == QStringLiteral("0"));
    m_rulesRead = true;
    showRules();
}

std::vector<std::pair<QString, QString>> TMainForm::rulesToStore() const
{
    if (!m_rulesRead)
        return {};
    return {
        {QString::fromLatin1(SolarValue), m_solarTime->isChecked() ? QStringLiteral("true") : QStringLiteral("mean")},
        {QString::fromLatin1(DayChangeValue), m_dayChange->isChecked() ? QStringLiteral("0") : QStringLiteral("23")}};
}

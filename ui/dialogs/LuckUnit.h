// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "Gua.h"
#include "LuckPillars.h"
#include "Report.h"

class QLabel;
class QRadioButton;
class QTableWidget;

// The luck-pillars dialog, caption "Такты удачи", for the chart last
// calculated: the choice "Мужской" / "Женский", the direction and the start
// in one sentence, the table of the ten luck pillars (ages, years, stem,
// branch), the ten years of the selected one, and the Gua number with its
// directions. The arrow keys move in the tables, Esc closes. It shows; it
// changes nothing of the chart.
class TLuckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TLuckDialog(QWidget *parent = nullptr);

    // The chart and the sex to show; why not, when the luck pillars cannot
    // be found (the boundary lies outside the ephemeris).
    ChartError setChart(const ChartInput &input, Sex sex);
    Sex sex() const;
    // The day the dialog marks the luck pillar and the year of (today, by
    // default): "(сейчас)" after their years, in bold.
    void setToday(const CalendarDate &today) { m_today = today; }
    // Called when the user changes the sex.
    void onSexChanged(std::function<void(Sex)> handler) { m_onSexChanged = std::move(handler); }
    // What the dialog shows, for the saved report; nothing when it shows no
    // luck pillars.
    std::optional<LuckReport> report() const;

    // Handlers.
    void LuckSexClick();
    void LuckTableChange();

private:
    void createControls();
    ChartError showLuck();

    QRadioButton *LuckMale = nullptr;
    QRadioButton *LuckFemale = nullptr;
    QLabel *LuckSentence = nullptr;
    QTableWidget *LuckTable = nullptr;
    QLabel *LuckYearsCaption = nullptr;
    QTableWidget *LuckYears = nullptr;
    QLabel *GuaText = nullptr;
    ChartInput m_input;
    std::optional<ChartDetails> m_chart;
    ChartError m_chartError = ChartError::None;
    std::optional<LuckChart> m_luck;
    std::function<void(Sex)> m_onSexChanged;
    CalendarDate m_today;
};

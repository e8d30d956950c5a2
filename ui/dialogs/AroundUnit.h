// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "ChartSpan.h"

class QLabel;
class QSpinBox;
class QTableWidget;

// The uncertain-time dialog, caption "Неточное время": every distinct chart
// within "± минут" of the entered moment, one row each with its clock time
// from and to, the eight tokens, the centres of both squares and what
// changed at its start; the row holding the entered moment is selected. A
// change within 15 minutes of the moment is named in red at the top. A
// double click or Enter on a row chooses it and closes; Esc closes.
class TAroundDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TAroundDialog(QWidget *parent = nullptr);

    // The entered chart input, the zone of the window's place (empty when
    // there is none: the times are then read on the entered offset) and the
    // span in minutes (1..1440); why, when a chart of the span cannot be
    // computed.
    ChartError setInput(const ChartInput &input, const QByteArray &zone, int minutes);
    int minutes() const;
    // Called when the user changes the span.
    void onMinutesChanged(std::function<void(int)> handler) { m_onMinutesChanged = std::move(handler); }
    // The first whole minute of the chosen row's chart on the zone's clock,
    // once a row is chosen.
    const std::optional<ClockTime> &chosen() const { return m_chosen; }

    // Handlers.
    void AroundMinutesChange();
    void AroundTableChoose();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    ChartError showSpan();
    void showRange(int row, const ChartRange &range);
    std::string readingText(std::int64_t seconds) const;

    QLabel *AroundWarning = nullptr;
    QSpinBox *AroundMinutes = nullptr;
    QTableWidget *AroundTable = nullptr;
    ChartInput m_input;
    QByteArray m_zone;
    std::optional<ChartSpan> m_span;
    std::optional<ClockTime> m_chosen;
    std::function<void(int)> m_onMinutesChanged;
};

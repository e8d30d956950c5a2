// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AroundUnit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChangeText.h"
#include "SpanClock.h"
#include "ChartErrorText.h"
#include "DialogTables.h"
#include "Fonts.h"
#include "PillarOrder.h"

namespace {

const QStringList Headings{QStringLiteral("С"),     QStringLiteral("До"),
                           QStringLiteral("Час"),   QString(),
                           QStringLiteral("День"),  QString(),
                           QStringLiteral("Месяц"), QString(),
                           QStringLiteral("Год"),   QString(),
                           QStringLiteral("КвГ"),   QStringLiteral("КвМ"),
                           QStringLiteral("Смена")};

// The first whole minute at or after a second of the span.
std::int64_t WholeMinuteFrom(std::int64_t seconds, const ClockTime &time)
{
    return time.Second ? seconds + 60 - time.Second : seconds;
}

} // namespace

TAroundDialog::TAroundDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AroundDialog"));
    setWindowTitle(QStringLiteral("Неточное время"));
    setFont(PixelFont(11, false));
    createControls();
    connect(AroundMinutes, &QSpinBox::valueChanged, this, &TAroundDialog::AroundMinutesChange);
    connect(AroundTable, &QTableWidget::cellDoubleClicked, this, &TAroundDialog::AroundTableChoose);
    resize(800, 440);
}

void TAroundDialog::createControls()
{
    AroundWarning = new QLabel(this);
    AroundWarning->setObjectName(QStringLiteral("AroundWarning"));
    AroundWarning->setStyleSheet(QStringLiteral("color: red"));
    AroundMinutes = new QSpinBox(this);
    AroundMinutes->setObjectName(QStringLiteral("AroundMinutes"));
    AroundMinutes->setRange(1, MaxSpanMinutes);
    AroundMinutes->setKeyboardTracking(false);
    AroundTable = MakeTable(this, "AroundTable", Headings);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *span = new QHBoxLayout;
    span->addWidget(new QLabel(QStringLiteral("± минут"), this));
    span->addWidget(AroundMinutes);
    span->addStretch();
    span->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(AroundWarning);
    layout->addLayout(span);
    layout->addWidget(AroundTable, 1);
}

ChartError TAroundDialog::setInput(const ChartInput &input, const QByteArray &zone, int minutes)
{
    m_input = input;
    m_zone = zone;
    m_chosen.reset();
    const QSignalBlocker quiet(AroundMinutes);
    AroundMinutes->setValue(minutes);
    const std::optional<NearestChange> nearest = FindNearestChange(input);
    const bool near = nearest && IsNearChange(*nearest);
    AroundWarning->setText(near ? QString::fromStdString(NearestChangeText(*nearest, true)) : QString());
    AroundWarning->setVisible(near);
    return showSpan();
}

int TAroundDialog::minutes() const { return AroundMinutes->value(); }

ChartError TAroundDialog::showSpan()
{
    const SpanOutcome outcome = ComputeChartSpan(m_input, minutes());
    m_span = outcome.Span;
    AroundTable->setRowCount(0);
    if (!m_span)
        return outcome.Error;
    AroundTable->setRowCount(int(m_span->Ranges.size()));
    for (int row = 0; row < AroundTable->rowCount(); ++row) {
        const ChartRange &range = m_span->Ranges[std::size_t(row)];
        showRange(row, range);
        if (range.From <= 0 && 0 < range.To)
            AroundTable->setCurrentCell(row, 0);
    }
    AroundTable->setFocus();
    return ChartError::None;
}

void TAroundDialog::showRange(int row, const ChartRange &range)
{
    AroundTable->setItem(row, 0, TextItem(readingText(range.From)));
    AroundTable->setItem(row, 1, TextItem(readingText(range.To)));
    int column = 2;
    for (const Pillar *pillar : PillarsInDisplayOrder(range.Result)) {
        AroundTable->setItem(row, column++, TokenItem(pillar->Stem));
        AroundTable->setItem(row, column++, TokenItem(pillar->Branch));
    }
    AroundTable->setItem(row, column++, TextItem(std::to_string(range.Result.YearSquare[1][1])));
    AroundTable->setItem(row, column++, TextItem(std::to_string(range.Result.MonthSquare[1][1])));
    AroundTable->setItem(row, column, TextItem(ChangeWords(range.Changes)));
}

std::string TAroundDialog::readingText(std::int64_t seconds) const
{
    return SpanClockText(m_input, SpanClockAt(m_input, m_zone, seconds));
}

void TAroundDialog::AroundMinutesChange()
{
    // The entered moment computes (the dialog was opened for it), and a span
    // is cut at the computable dates; a failure still shows, in red.
    if (const ChartError error = showSpan(); error != ChartError::None) {
        AroundWarning->setText(ChartErrorMessage(error));
        AroundWarning->setVisible(true);
    }
    if (m_onMinutesChanged)
        m_onMinutesChanged(minutes());
}

void TAroundDialog::AroundTableChoose()
{
    const int row = AroundTable->currentRow();
    if (!m_span || row < 0)
        return;
    const std::int64_t from = m_span->Ranges[std::size_t(row)].From;
    const std::int64_t minute = WholeMinuteFrom(from, SpanClockAt(m_input, m_zone, from).Time);
    m_chosen = SpanClockAt(m_input, m_zone, minute).Time;
    accept();
}

void TAroundDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == AroundTable) {
        AroundTableChoose();
        return;
    }
    QDialog::keyPressEvent(event);
}

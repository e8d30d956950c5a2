// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's uncertain time: "Неточное время…" (Ctrl+R) in the first
// menu lists the distinct charts around the moment in the fields, and a red
// line under the buttons warns when the chart on display is near a change.
// The span is remembered; a chosen row's time goes into the fields, and the
// user calculates it as always.

#include "MainUnit.h"

#include <QLabel>
#include <QMenu>

#include "AroundUnit.h"
#include "ChartErrorText.h"
#include "ChangeText.h"
#include "EditField.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "SettingsStore.h"

namespace {

// The settings value of the span last used, in minutes.
constexpr char SpanValue[] = "around";
constexpr int DefaultSpan = 60;

} // namespace

void TMainForm::addAroundCommand(QMenu *menu)
{
    QAction *item = menu->addAction(QStringLiteral("Неточное время…"), QKeySequence(Qt::CTRL | Qt::Key_R), this,
                                    bound(&TMainForm::NAroundClick));
    item->setObjectName(QStringLiteral("NAround"));
    addAction(item);
}

void TMainForm::buildChangeWarning()
{
    m_changeWarning = new QLabel(m_client);
    m_changeWarning->setObjectName(QStringLiteral("ChangeWarning"));
    m_changeWarning->setFont(PixelFont(11));
    m_changeWarning->setStyleSheet(QStringLiteral("color: red"));
    m_changeWarning->setWordWrap(true);
    m_changeWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_changeWarning->setGeometry(356, 218, 113, 30);
}

void TMainForm::showChangeWarning(const ChartInput &input, const SolarTermOptions &options)
{
    const std::optional<NearestChange> nearest = FindNearestChange(input, options);
    const bool near = nearest && IsNearChange(*nearest);
    m_changeWarning->setText(near ? QString::fromStdString(NearestChangeText(*nearest, true)) : QString());
}

int TMainForm::storedSpan()
{
    if (m_chosenSpan)
        return *m_chosenSpan;
    // Remembering the span is a convenience: a store that cannot be read
    // costs only that.
    try {
        bool number = false;
        const int minutes = m_settings.read(QString::fromLatin1(SpanValue)).value_or(QString()).toInt(&number);
        if (number && minutes >= 1 && minutes <= MaxSpanMinutes)
            return minutes;
    } catch (const VelmoraError &) {
    }
    return DefaultSpan;
}

void TMainForm::NAroundClick()
{
    std::optional<int> placeOffset;
    if (!checkedDateAndPlace(placeOffset))
        return;
    const std::optional<ChartInput> input = fieldInput(placeOffset);
    if (!input) {
        reportDateDoesNotExist();
        return;
    }
    if (!m_aroundDialog) {
        m_aroundDialog = new TAroundDialog(this);
        m_aroundDialog->onMinutesChanged([this](int minutes) { m_chosenSpan = minutes; });
    }
    const ChartError error = m_aroundDialog->setInput(*input, m_place ? m_place->Zone() : QByteArray(), storedSpan());
    if (error != ChartError::None) {
        ShowMessage(this, ChartErrorMessage(error));
        return;
    }
    m_aroundDialog->exec();
    if (const auto &chosen = m_aroundDialog->chosen())
        writeClockTime(*chosen);
}

void TMainForm::writeClockTime(const ClockTime &time)
{
    const std::pair<Field, int> values[] = {{Day, time.Date.Day},
                                            {Month, time.Date.Month},
                                            {Year, time.Date.Year},
                                            {Hour, time.Hour},
                                            {Minute, time.Minute}};
    for (const auto &[field, value] : values)
        m_fields[field]->setTextByHandler(ZeroFilled(value, SpecOf(field).Width));
}

// The span last chosen, stored at close with the other settings.
std::vector<std::pair<QString, QString>> TMainForm::spanToStore() const
{
    if (!m_chosenSpan)
        return {};
    return {{QString::fromLatin1(SpanValue), QString::number(*m_chosenSpan)}};
}

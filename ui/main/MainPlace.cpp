// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's place: the place dialog (the right button on the
// correction or the longitude group, or "Место…", Ctrl+M, in the first menu)
// and the place it makes active. Applying a city writes the longitude and
// the correction for the date and time in the fields through the fields'
// normal text setting; nothing is calculated. While the place is active,
// each calculation first takes the clock's offset from the place's zone for
// the date and time then in the fields, so the order of typing does not
// matter; a hand edit of the correction or the longitude ends it.

#include "MainUnit.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>

#include "City.h"
#include "ClockOffset.h"
#include "EditField.h"
#include "FieldRules.h"
#include "FoldQuestion.h"
#include "MessageBoxes.h"
#include "MomentText.h"
#include "PlaceFill.h"
#include "PlaceUnit.h"
#include "SettingsStore.h"

namespace {

// A settings value beside the specified three: the hemisphere. The active
// place keeps its own.
constexpr char HemisphereValue[] = "hs";

} // namespace

void TMainForm::addPlaceCommand(QMenu *menu)
{
    QAction *place = menu->addAction(QStringLiteral("Место…"), QKeySequence(Qt::CTRL | Qt::Key_M), this,
                                     bound(&TMainForm::NPlaceClick));
    place->setObjectName(QStringLiteral("NPlace"));
    addAction(place);
}

void TMainForm::NPlaceClick() { openPlaceDialog(); }

void TMainForm::GroupBox1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        openPlaceDialog();
}

void TMainForm::ClientGroupBox4MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        openPlaceDialog();
}

// The dialog is made on first use: it builds the city index then.
void TMainForm::openPlaceDialog()
{
    if (!m_placeDialog)
        m_placeDialog = new TPlaceDialog(this);
    if (m_placeDialog->exec() == QDialog::Accepted && m_placeDialog->chosenCity())
        applyPlace(*m_placeDialog->chosenCity());
}

void TMainForm::applyPlace(const City &city)
{
    const PlaceFill fill = FillFor(city, m_fields[Day]->text(), m_fields[Month]->text(), m_fields[Year]->text(),
                                   m_fields[Hour]->text(), m_fields[Minute]->text());
    if (fill.Longitude) {
        const QScopedValueRollback writing(m_writingPlace, true);
        m_fields[Degrees]->setTextByHandler(ZeroFilled(fill.Longitude->Degrees, SpecOf(Degrees).Width));
        m_fields[Minutes]->setTextByHandler(ZeroFilled(fill.Longitude->Minutes, SpecOf(Minutes).Width));
        m_hemisphere->setText(fill.Longitude->Hemisphere);
    }
    if (fill.Longitude && fill.Message.isEmpty()) {
        // A skipped or doubled time gets its offset chosen at the calculation.
        m_place = ActivePlace(city.Label(), city.Zone, fill.Offset.Seconds.front());
        if (const std::optional<int> offset = ChosenOffset(fill.Offset, Fold::None))
            writePlaceCorrection(*offset);
        showPlace();
    }
    if (!fill.Message.isEmpty())
        ShowMessage(this, fill.Message);
}

// The clock's offset at the active place for the date and the time fields,
// written into the correction field. False when the calculation must not go
// on: the user cancelled the choice for a skipped or doubled time, or the
// zone is no longer known. A time the fields do not hold leaves offset
// empty, for the calculation to report.
bool TMainForm::takePlaceOffset(const CalendarDate &date, std::optional<int> &offset)
{
    const std::optional<QTime> time = ReadClockTime(m_fields[Hour]->text(), m_fields[Minute]->text());
    const std::optional<ClockOffset> found = m_place->OffsetAt(QDate(date.Year, date.Month, date.Day), time);
    if (!found)
        return true;
    if (found->Type == ClockOffset::Kind::UnknownZone) {
        ShowMessage(this,
                    QStringLiteral("Часовой пояс %1 неизвестен системе; место снято, поправка оставлена прежней.")
                        .arg(QString::fromUtf8(m_place->Zone())));
        dropPlace();
        return false;
    }
    std::optional<Fold> fold = Fold::None;
    if (found->Type == ClockOffset::Kind::Skipped || found->Type == ClockOffset::Kind::Doubled) {
        // Only a zone skips or doubles a time, and a zone needs the time.
        const std::string moment = MomentText(ClockTime{date, time->hour(), time->minute()});
        fold = AskFold(this, *found, m_place->Name(), QString::fromStdString(moment));
    }
    if (!fold)
        return false;
    offset = ChosenOffset(*found, *fold);
    writePlaceCorrection(*offset);
    return true;
}

// The correction field shows the offset's whole hours; the label the offset.
void TMainForm::writePlaceCorrection(int offsetSeconds)
{
    const QScopedValueRollback writing(m_writingPlace, true);
    m_fields[Correction]->setTextByHandler(ZeroFilled(QString::number(offsetSeconds / 3600), SpecOf(Correction).Width));
    m_place->Take(offsetSeconds);
    showPlace();
}

void TMainForm::showPlace() { m_placeLabel->setText(m_place ? m_place->Caption() : QString()); }

void TMainForm::dropPlace()
{
    if (!m_place || m_writingPlace)
        return;
    m_place.reset();
    showPlace();
}

// Read at start-up after the specified three. These values are the
// program's own additions: one that cannot be read costs only itself.
void TMainForm::restorePlace()
{
    m_placeSettingsRead = true;
    m_hemisphere->setText(optionalSetting(QString::fromLatin1(HemisphereValue)) == QStringLiteral("W")
                              ? QStringLiteral("W")
                              : QStringLiteral("E"));
    m_place = ActivePlace::Restored([this](const QString &name) { return optionalSetting(name); });
    showPlace();
}

std::vector<std::pair<QString, QString>> TMainForm::placeSettingsToStore() const
{
    if (!m_placeSettingsRead)
        return {};
    ActivePlace::StoredValues values{{QString::fromLatin1(HemisphereValue), m_hemisphere->text()}};
    for (auto &value : ActivePlace::ToStore(m_place))
        values.push_back(std::move(value));
    return values;
}

// The main window's way to the place dialog: the right button on the
// correction or the longitude group, or "Место…" (Ctrl+M) in the first menu.
// Applying a city writes the longitude and the correction for the date and
// time in the fields through the fields' normal text setting; nothing is
// calculated.

#include "MainUnit.h"

#include <QMenu>
#include <QPushButton>

#include "City.h"
#include "EditField.h"
#include "FieldRules.h"
#include "MessageBoxes.h"
#include "PlaceFill.h"
#include "PlaceUnit.h"

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
        m_fields[Degrees]->setTextByHandler(ZeroFilled(fill.Longitude->Degrees, SpecOf(Degrees).Width));
        m_fields[Minutes]->setTextByHandler(ZeroFilled(fill.Longitude->Minutes, SpecOf(Minutes).Width));
        m_hemisphere->setText(fill.Longitude->Hemisphere);
    }
    if (fill.Correction)
        m_fields[Correction]->setTextByHandler(ZeroFilled(QString::number(*fill.Correction), SpecOf(Correction).Width));
    if (!fill.Message.isEmpty())
        ShowMessage(this, fill.Message);
}

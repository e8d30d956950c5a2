// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <vector>

#include "CityHit.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The place dialog, caption "Место": a search field whose results follow
// each key typed, the list of found cities (city, region, country; the
// current name after an other name; coordinates where rows would read the
// same) with the first one selected when the query is its name or the start
// of it, a sentence saying what to do in place of an empty list, and
// "Применить" / "Отмена". Enter applies the selected city and does nothing
// while none is, Esc cancels, the arrow keys move in the list from the
// search field too. Shown modally with exec(); Accepted leaves the city in
// chosenCity().
class TPlaceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TPlaceDialog(QWidget *parent = nullptr);

    // The city applied last; null before any.
    const City *chosenCity() const { return m_chosen; }

    // Handlers.
    void PlaceQueryChange();
    void PlaceListChange();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    int selectedRow() const;

    QLineEdit *PlaceQuery = nullptr;
    QListWidget *PlaceList = nullptr;
    QLabel *PlaceNothing = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    std::vector<CityHit> m_found;
    const City *m_chosen = nullptr;
};

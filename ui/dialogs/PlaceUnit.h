#pragma once

#include <QDialog>

#include <vector>

struct City;
class QLineEdit;
class QListWidget;
class QPushButton;

// The place dialog, caption "Место": a search field whose results follow
// each key typed, the list of found cities (city, region, country) with the
// first one selected, and "Применить" / "Отмена". Enter applies the selected
// city, Esc cancels, the arrow keys move in the list from the search field
// too. Shown modally with exec(); Accepted leaves the city in chosenCity().
class TPlaceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TPlaceDialog(QWidget *parent = nullptr);

    // The city applied last; null before any.
    const City *chosenCity() const { return m_chosen; }

    // Handlers.
    void PlaceQueryChange();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();

    QLineEdit *PlaceQuery = nullptr;
    QListWidget *PlaceList = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    std::vector<const City *> m_found;
    const City *m_chosen = nullptr;
};

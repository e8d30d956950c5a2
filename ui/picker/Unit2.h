// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class SpinButton;
class TCalendar;

// The date picker: one month as a grid, arrows that step the month and the
// year, and "Применить", which writes the chosen date into the main window's
// date fields. Created once, hidden between uses, shown modally with exec();
// every showing starts from the main window's date when it is valid.
class TPickDate : public QDialog
{
    Q_OBJECT

public:
    // The day, month and year texts of the main window, in this order.
    using FieldReader = std::function<std::array<QString, 3>()>;
    // Writes "DD", "MM", "YYYY" through the fields' normal text setting.
    using FieldWriter = std::function<void(const QString &day, const QString &month, const QString &year)>;

    explicit TPickDate(QWidget *parent = nullptr);

    void setDateFields(FieldReader read, FieldWriter write);
    TCalendar *calendar() const { return Calendar1; }

    // Handlers.
    void FormActivate();
    void Calendar1Change();
    void SpinButton1DownClick(); // a month back
    void SpinButton1UpClick();   // a month forward
    void SpinButton2DownClick(); // a year back
    void SpinButton2UpClick();   // a year forward
    void BitBtn1Click();         // "Применить": the date into the main window

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void stepMonth(int delta);
    void stepYear(int delta);

    QLabel *Panel1 = nullptr;          // the month name
    SpinButton *SpinButton1 = nullptr; // month back and forward
    QLabel *Panel2 = nullptr;          // the year
    SpinButton *SpinButton2 = nullptr; // year back and forward
    TCalendar *Calendar1 = nullptr;    // the month grid
    QFrame *Panel3 = nullptr;          // the bottom strip with the two buttons
    QPushButton *BitBtn1 = nullptr;    // "Применить", Enter
    QPushButton *BitBtn2 = nullptr;    // "Закрыть", Esc
    FieldReader m_readFields;
    FieldWriter m_writeFields;
};

// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>

#include "Reading.h"

class QLabel;
class QTableWidget;

// The chart-reading dialog, caption "Разбор карты", for the chart on
// display: "Господин дня: …" at the top, a table with the columns Час,
// День, Месяц, Год and the rows Ствол, Божество, Ветвь, Скрытые стволы,
// Фаза Ци, Мелодия, Пустота (the tokens as the result area shows them),
// and under it the voids, the relations, the stars and the elements as
// short lines. Esc closes; it shows, and changes nothing of the chart.
class TReadingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TReadingDialog(QWidget *parent = nullptr);

    void setChart(const ChartSigns &signs);
    // The reading on display.
    const ChartReading &reading() const { return m_reading; }

private:
    void createControls();
    void setCell(int row, int column, const QString &html);

    QLabel *ReadingMaster = nullptr;
    QTableWidget *ReadingTable = nullptr;
    QLabel *ReadingSummary = nullptr;
    ChartReading m_reading;
};

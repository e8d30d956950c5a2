// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ReadingUnit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Canvas.h"
#include "DialogTables.h"
#include "Fonts.h"
#include "PillarOrder.h"
#include "ReadingText.h"
#include "ReportTables.h"
#include "ResultDrawing.h"

namespace {

QString Text(const std::string &text) { return QString::fromStdString(text).toHtmlEscaped(); }

// A cell of the reading's table as rich text: a token as the result area
// shows it, bold on the pillars' pale yellow.
QString CellHtml(const TableCell &cell)
{
    QStringList lines;
    for (const TextLine &line : cell.Lines) {
        QStringList pieces;
        for (const TextPiece &piece : line)
            pieces << (piece.Token ? QStringLiteral(
                                         "<span style=\"background-color:%1; font-weight:bold\">&nbsp;%2&nbsp;</span>")
                                         .arg(ColorFromValue(TableColors::PillarBackground).name(), Text(piece.Text))
                                   : Text(piece.Text));
        lines << pieces.join(u' ');
    }
    return lines.join(QStringLiteral("<br>"));
}

} // namespace

TReadingDialog::TReadingDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ReadingDialog"));
    setWindowTitle(QStringLiteral("Разбор карты"));
    setFont(PixelFont(11, false));
    createControls();
    resize(820, 560);
}

void TReadingDialog::createControls()
{
    ReadingMaster = new QLabel(this);
    ReadingMaster->setObjectName(QStringLiteral("ReadingMaster"));
    ReadingMaster->setFont(PixelFont(13, true));
    QStringList headings;
    for (const char *heading : PillarHeadings)
        headings << QString::fromUtf8(heading);
    ReadingTable = MakeTable(this, "ReadingTable", headings);
    ReadingTable->verticalHeader()->show();
    ReadingTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ReadingTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ReadingTable->setSelectionMode(QAbstractItemView::NoSelection);
    ReadingSummary = new QLabel(this);
    ReadingSummary->setObjectName(QStringLiteral("ReadingSummary"));
    ReadingSummary->setWordWrap(true);
    ReadingSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ReadingMaster);
    layout->addWidget(ReadingTable, 1);
    layout->addWidget(ReadingSummary);
    layout->addLayout(buttons);
}

void TReadingDialog::setChart(const ChartSigns &signs)
{
    m_reading = ReadChart(signs);
    ReadingMaster->setText(QStringLiteral("Господин дня: ")
                           + QString::fromStdString(StemName(m_reading.Pillars[1].StemBranch.Stem)));
    const TextTable table = ::ReadingTable(m_reading);
    ReadingTable->setRowCount(int(table.Rows.size()));
    for (int row = 0; row < int(table.Rows.size()); ++row) {
        const TableRow &cells = table.Rows[std::size_t(row)];
        ReadingTable->setVerticalHeaderItem(row, new QTableWidgetItem(QString::fromStdString(cells.Heading)));
        for (int column = 0; column < int(cells.Cells.size()); ++column)
            setCell(row, column, CellHtml(cells.Cells[std::size_t(column)]));
    }
    QStringList summary;
    for (const std::string &line : ReadingSummaryLines(m_reading))
        summary << QString::fromStdString(line);
    ReadingSummary->setText(summary.join(u'\n'));
    ReadingTable->setFocus();
}

void TReadingDialog::setCell(int row, int column, const QString &html)
{
    auto *cell = new QLabel(html);
    cell->setTextFormat(Qt::RichText);
    cell->setWordWrap(true);
    cell->setMargin(3);
    ReadingTable->setCellWidget(row, column, cell);
}

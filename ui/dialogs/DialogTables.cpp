// SPDX-License-Identifier: AGPL-3.0-or-later
#include "DialogTables.h"

#include <QHeaderView>
#include <QTableWidget>

#include "Fonts.h"
#include "ResultDrawing.h"

QTableWidget *MakeTable(QWidget *parent, const char *name, const QStringList &headings)
{
    auto *table = new QTableWidget(0, int(headings.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem *TokenItem(const Token &token)
{
    auto *item = new QTableWidgetItem(QString::fromStdString(token));
    item->setFont(PixelFont(13, true));
    item->setBackground(ColorFromValue(TableColors::PillarBackground));
    return item;
}

void MarkRow(QTableWidget *table, int row)
{
    for (int column = 0; column < table->columnCount(); ++column) {
        if (QTableWidgetItem *item = table->item(row, column)) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        }
    }
}

QTableWidgetItem *TextItem(const std::string &text) { return new QTableWidgetItem(QString::fromStdString(text)); }

void FillRows(QTableWidget *table, const TextTable &text)
{
    table->setRowCount(int(text.Rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const TableRow &cells = text.Rows[std::size_t(row)];
        for (int column = 0; column < int(cells.Cells.size()); ++column) {
            const TableCell &cell = cells.Cells[std::size_t(column)];
            const bool token = cell.Lines.size() == 1 && cell.Lines[0].size() == 1 && cell.Lines[0][0].Token;
            table->setItem(row, column, token ? TokenItem(cell.Lines[0][0].Text) : TextItem(CellText(cell)));
        }
        if (cells.Marked)
            MarkRow(table, row);
    }
}

QStringList HeadingsOf(const TextTable &text)
{
    QStringList headings;
    for (const std::string &heading : text.Headings)
        headings << QString::fromStdString(heading);
    return headings;
}

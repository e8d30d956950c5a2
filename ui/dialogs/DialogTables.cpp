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

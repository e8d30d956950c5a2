// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QStringList>

#include <string>

#include "ChartTypes.h"
#include "TextTable.h"

class QTableWidget;
class QTableWidgetItem;
class QWidget;

// The read-only tables of the dialogs: whole rows selected one at a time,
// columns as wide as their contents, the last one stretched.
QTableWidget *MakeTable(QWidget *parent, const char *name, const QStringList &headings);

// A cell as the result area shows a token: bold on its pale yellow.
QTableWidgetItem *TokenItem(const Token &token);

// Every cell of the row in bold: the row that holds the present day.
void MarkRow(QTableWidget *table, int row);

// The rows of a table of text: a cell of one token as TokenItem shows it,
// any other as its text; marked rows in bold.
void FillRows(QTableWidget *table, const TextTable &text);

// The column headings of a table of text.
QStringList HeadingsOf(const TextTable &text);

// A plain cell of UTF-8 text.
QTableWidgetItem *TextItem(const std::string &text);

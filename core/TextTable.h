// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A table of text as the dialogs and the saved report show it: column
// headings, then rows of cells. A cell holds lines; a line holds pieces,
// each plain text or a token to be drawn as the result area draws one (bold
// on the pillars' pale yellow). UTF-8.

struct TextPiece {
    std::string Text;
    bool Token = false;
    bool operator==(const TextPiece &) const = default;
};

using TextLine = std::vector<TextPiece>;

struct TableCell {
    std::vector<TextLine> Lines;
    bool operator==(const TableCell &) const = default;
};

struct TableRow {
    std::string Heading; // the row's own heading, for tables with headed rows
    std::vector<TableCell> Cells;
    bool Marked = false; // in bold: the row of the present
    bool operator==(const TableRow &) const = default;
};

struct TextTable {
    std::vector<std::string> Headings;
    bool HeadedRows = false; // a column of row headings before the cells
    std::vector<TableRow> Rows;
    bool operator==(const TextTable &) const = default;
};

// A cell of one line of plain text, and one of a single token.
inline TableCell PlainCell(std::string text) { return {{{{std::move(text), false}}}}; }
inline TableCell TokenCell(std::string token) { return {{{{std::move(token), true}}}}; }

// The cell's text: pieces joined by spaces, lines by "\n".
std::string CellText(const TableCell &cell);

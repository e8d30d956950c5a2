// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AlmanacRow.h"
#include "Gua.h"
#include "LuckPillars.h"
#include "Reading.h"
#include "TextTable.h"

// The consultation report that follows the chart's page in a saved PDF: the
// sections asked for, as headings, paragraphs and tables, the same from the
// window and from the tool. UTF-8.

struct LuckReport {
    LuckChart Luck;
    Gua Number;
    Sex Person = Sex::Male;
};

struct ReportContent {
    std::string Client; // the name of the client the chart belongs to; empty for none
    std::optional<ChartReading> Reading;
    std::optional<LuckReport> Luck;
    std::vector<AlmanacRow> Days; // the days chosen; none for no days section
    CalendarDate Today;           // the day of saving: the luck pillar and year it falls in are marked
};

struct ReportBlock {
    enum class Kind { Heading, Paragraph, Table };
    Kind Type = Kind::Paragraph;
    std::string Text; // of a heading or a paragraph
    TextTable Table = {};
};

// In this order, each only when present:
//   Разбор карты: "Господин дня: …", the reading table, then the voids, the
//     relations, the stars and the elements, a paragraph each;
//   Такты удачи: the direction and start sentence, the luck pillars' table,
//     "Годы такта …" with the ten years of the pillar holding Today (when
//     one does), the Gua title and its table of directions;
//   Календарь дней с … по …: the days' table.
std::vector<ReportBlock> ReportBlocks(const ReportContent &report);

// The client line above the chart: "Клиент: Иванова Анна".
std::string ClientLine(const std::string &name);

// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

#include "Report.h"

class QPaintDevice;
class QPainter;

// The report's blocks laid out on pages of a paint device: paragraphs
// wrapped at the area's edges, tables with columns as wide as their widest
// text (the widest column wrapped when the table would not fit), every
// column's texts starting at the same x, a table row never split between
// pages and the table's headings repeated on the next, a heading kept with
// what follows it.

enum class ReportStyle { Body, Bold, Heading, Count };

struct ReportPage {
    struct Text {
        QPointF at; // the baseline's left end
        QString text;
        ReportStyle style = ReportStyle::Body;
    };
    std::vector<Text> texts;
    std::vector<QRectF> tokens; // the pale yellow under a token's text
    std::vector<QLineF> rules;  // the lines of the tables
};

class ReportLayout
{
public:
    // Fonts of the family of base: 10 points, bold 10 points, 13 points bold.
    ReportLayout(QPaintDevice *device, const QRectF &area, const QFont &base);

    std::vector<ReportPage> pages(const std::vector<ReportBlock> &blocks);

    const QFont &font(ReportStyle style) const { return m_fonts[std::size_t(style)]; }

    // Draws a laid-out page with these fonts.
    void draw(QPainter &painter, const ReportPage &page) const;

private:
    struct Run {
        double x = 0; // from the line's start
        QString text;
        bool token = false;
    };
    using Line = std::vector<Run>;

    double width(const QString &text, ReportStyle style) const;
    double lineHeight() const;
    std::vector<Line> wrap(const std::vector<TextLine> &lines, ReportStyle style, double room) const;
    void putLines(const std::vector<Line> &lines, double x, double top, ReportStyle style);
    bool fits(double height) const { return m_y + height <= m_area.bottom(); }
    void newPage();
    void heading(const std::string &text);
    void paragraph(const std::string &text, bool beforeTable);
    void table(const TextTable &table);

    QPaintDevice *m_device;
    QRectF m_area;
    std::array<QFont, std::size_t(ReportStyle::Count)> m_fonts;
    std::vector<ReportPage> m_pages;
    double m_y = 0;
};

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ReportLayout.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <limits>

#include "Canvas.h"
#include "ResultDrawing.h"

namespace {

constexpr double HeadingKeep = 4; // lines that must fit under a heading on its page

QFont Sized(QFont font, double points, bool bold)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(false);
    return font;
}

} // namespace

ReportLayout::ReportLayout(QPaintDevice *device, const QRectF &area, const QFont &base)
    : m_device(device)
    , m_area(area)
    , m_fonts{Sized(base, 10, false), Sized(base, 10, true), Sized(base, 13, true)}
{ }

double ReportLayout::width(const QString &text, ReportStyle style) const
{
    return QFontMetricsF(font(style), m_device).horizontalAdvance(text);
}

double ReportLayout::lineHeight() const
{
    return QFontMetricsF(font(ReportStyle::Body), m_device).lineSpacing() * 1.15;
}

// Lines of pieces broken into runs, a token or a word each, placed from the
// line's start; a line longer than room goes on below at a word or token.
std::vector<ReportLayout::Line> ReportLayout::wrap(const std::vector<TextLine> &lines, ReportStyle style,
                                                   double room) const
{
    const double space = width(QStringLiteral(" "), style);
    const double tokenPad = lineHeight() / 8;
    std::vector<Line> out;
    for (const TextLine &line : lines) {
        Line current;
        double end = 0;
        for (const TextPiece &piece : line) {
            const QString text = QString::fromStdString(piece.Text);
            const QStringList words = piece.Token ? QStringList{text} : text.split(u' ', Qt::SkipEmptyParts);
            for (const QString &word : words) {
                const double w = width(word, piece.Token ? ReportStyle::Bold : style);
                const bool prevToken = !current.empty() && current.back().token;
                double x = current.empty() ? 0 : end + space + tokenPad * (int(prevToken) + int(piece.Token));
                if (!current.empty() && x + w > room) {
                    out.push_back(std::move(current));
                    current = {};
                    x = 0;
                }
                current.push_back({x, word, piece.Token});
                end = x + w;
            }
        }
        out.push_back(std::move(current));
    }
    return out;
}

void ReportLayout::putLines(const std::vector<Line> &lines, double x, double top, ReportStyle style)
{
    ReportPage &page = m_pages.back();
    const double height = lineHeight();
    const double ascent = QFontMetricsF(font(style), m_device).ascent();
    const double tokenPad = height / 8;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double lineTop = top + double(i) * height;
        for (const Run &run : lines[i]) {
            const ReportStyle runStyle = run.token ? ReportStyle::Bold : style;
            if (run.token)
                page.tokens.emplace_back(x + run.x - tokenPad, lineTop + tokenPad / 2,
                                         width(run.text, runStyle) + 2 * tokenPad, height - tokenPad);
            page.texts.push_back(
                {{x + run.x, lineTop + (height - QFontMetricsF(font(runStyle), m_device).height()) / 2 + ascent},
                 run.text,
                 runStyle});
        }
    }
}

void ReportLayout::newPage()
{
    m_pages.emplace_back();
    m_y = m_area.top();
}

std::vector<ReportPage> ReportLayout::pages(const std::vector<ReportBlock> &blocks)
{
    m_pages.clear();
    if (blocks.empty())
        return {};
    newPage();
    for (const ReportBlock &block : blocks) {
        const bool beforeTable = &block != &blocks.back() && (&block + 1)->Type == ReportBlock::Kind::Table;
        switch (block.Type) {
        case ReportBlock::Kind::Heading:
            heading(block.Text);
            break;
        case ReportBlock::Kind::Paragraph:
            paragraph(block.Text, beforeTable);
            break;
        case ReportBlock::Kind::Table:
            table(block.Table);
            break;
        }
    }
    return std::move(m_pages);
}

void ReportLayout::heading(const std::string &text)
{
    const QFontMetricsF metrics(font(ReportStyle::Heading), m_device);
    if (m_y > m_area.top())
        m_y += lineHeight();
    if (!fits(metrics.lineSpacing() + HeadingKeep * lineHeight()))
        newPage();
    m_pages.back().texts.push_back(
        {{m_area.left(), m_y + metrics.ascent()}, QString::fromStdString(text), ReportStyle::Heading});
    m_y += metrics.lineSpacing() * 1.4;
}

void ReportLayout::paragraph(const std::string &text, bool beforeTable)
{
    const std::vector<Line> lines = wrap({{{text, false}}}, ReportStyle::Body, m_area.width());
    // The title of a table stays with its first rows.
    if (beforeTable && !fits((double(lines.size()) + HeadingKeep) * lineHeight()))
        newPage();
    for (const Line &line : lines) {
        if (!fits(lineHeight()))
            newPage();
        putLines({line}, m_area.left(), m_y, ReportStyle::Body);
        m_y += lineHeight();
    }
    m_y += lineHeight() / 3;
}

void ReportLayout::table(const TextTable &t)
{
    const double pad = lineHeight() / 4;
    const std::size_t headed = t.HeadedRows ? 1 : 0;
    std::size_t columns = t.Headings.size() + headed;
    for (const TableRow &row : t.Rows)
        columns = std::max(columns, row.Cells.size() + headed);
    const auto styleOf = [headed](const TableRow &row, std::size_t c) {
        return row.Marked || (headed && c == 0) ? ReportStyle::Bold : ReportStyle::Body;
    };
    const auto linesOf = [headed](const TableRow &row, std::size_t c) -> std::vector<TextLine> {
        if (headed && c == 0)
            return {{{row.Heading, false}}};
        return c - headed < row.Cells.size() ? row.Cells[c - headed].Lines : std::vector<TextLine>{};
    };
    const auto extent = [this](const std::vector<Line> &lines, ReportStyle style) {
        double w = 0;
        for (const Line &line : lines)
            if (!line.empty())
                w = std::max(w, line.back().x + width(line.back().text, line.back().token ? ReportStyle::Bold : style));
        return w;
    };

    // Each column as wide as its widest text; when the table is wider than
    // the page, the widest columns are cut to one width that makes it fit.
    std::vector<double> widths(columns, 0);
    for (std::size_t c = 0; c < columns; ++c) {
        if (c >= headed && c - headed < t.Headings.size())
            widths[c] = width(QString::fromStdString(t.Headings[c - headed]), ReportStyle::Bold);
        for (const TableRow &row : t.Rows)
            widths[c] = std::max(widths[c],
                                 extent(wrap(linesOf(row, c), styleOf(row, c), std::numeric_limits<double>::infinity()),
                                        styleOf(row, c)));
        widths[c] += 2 * pad;
    }
    std::vector<double> ascending = widths;
    std::sort(ascending.begin(), ascending.end());
    double rest = m_area.width();
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        const double share = rest / double(ascending.size() - i);
        if (ascending[i] > share) {
            for (double &w : widths)
                w = std::min(w, share);
            break;
        }
        rest -= ascending[i];
    }
    std::vector<double> xs{m_area.left()};
    for (double w : widths)
        xs.push_back(xs.back() + w);

    std::vector<std::vector<std::vector<Line>>> cells;
    std::vector<double> heights;
    for (const TableRow &row : t.Rows) {
        cells.emplace_back();
        std::size_t tallest = 1;
        for (std::size_t c = 0; c < columns; ++c) {
            cells.back().push_back(wrap(linesOf(row, c), styleOf(row, c), widths[c] - 2 * pad));
            tallest = std::max(tallest, cells.back().back().size());
        }
        heights.push_back(double(tallest) * lineHeight() + 2 * pad);
    }

    const double headerHeight = t.Headings.empty() ? 0 : lineHeight() + 2 * pad;
    const auto rule = [this, &xs](double y) { m_pages.back().rules.emplace_back(xs.front(), y, xs.back(), y); };
    const auto putHeader = [&] {
        rule(m_y);
        for (std::size_t c = 0; c < t.Headings.size(); ++c)
            putLines(wrap({{{t.Headings[c], false}}}, ReportStyle::Bold, widths[c + headed]), xs[c + headed] + pad,
                     m_y + pad, ReportStyle::Bold);
        m_y += headerHeight;
        if (headerHeight > 0)
            rule(m_y);
    };
    if (!fits(headerHeight + (heights.empty() ? 0 : heights.front())))
        newPage();
    putHeader();
    for (std::size_t r = 0; r < t.Rows.size(); ++r) {
        if (!fits(heights[r])) {
            newPage();
            putHeader();
        }
        for (std::size_t c = 0; c < columns; ++c)
            putLines(cells[r][c], xs[c] + pad, m_y + pad, styleOf(t.Rows[r], c));
        m_y += heights[r];
        rule(m_y);
    }
    m_y += lineHeight() * 0.6;
}

void ReportLayout::draw(QPainter &painter, const ReportPage &page) const
{
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const QRectF &rect : page.tokens)
        painter.fillRect(rect, ColorFromValue(TableColors::PillarBackground));
    painter.setPen(QPen(Qt::gray, lineHeight() / 40));
    for (const QLineF &line : page.rules)
        painter.drawLine(line);
    painter.setPen(Qt::black);
    for (const ReportPage::Text &text : page.texts) {
        painter.setFont(font(text.style));
        painter.drawText(text.at, text.text);
    }
    painter.restore();
}

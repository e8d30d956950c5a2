// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "PrintLayout.h"

#include <QFontMetrics>
#include <QPdfWriter>

#include <tuple>

namespace {

using Segment = std::tuple<int, int, int, int>;

struct Page {
    std::vector<Segment> lines;
    std::vector<CanvasOp> texts;
};

Page Record(qint64 width, qint64 height, const PrintTexts &texts, const ChartResult &result)
{
    Canvas canvas;
    canvas.setRecording(true);
    canvas.setPenColor(Qt::red); // the page must set its own pen
    DrawPrintPage(canvas, width, height, texts, result);
    Page page;
    for (const CanvasOp &op : canvas.recorded()) {
        if (op.kind == CanvasOp::Kind::Line) {
            page.lines.emplace_back(op.x1, op.y1, op.x2, op.y2);
            EXPECT_EQ(op.pen, QColor(Qt::black)) << "line " << page.lines.size();
            EXPECT_EQ(op.penWidth, 6) << "line " << page.lines.size();
        } else if (op.kind == CanvasOp::Kind::Text)
            page.texts.push_back(op);
    }
    return page;
}

ChartResult SampleResult()
{
    ChartResult result;
    result.HourPillar = {"ЗЕМ", "ОГО"};
    result.DayPillar = {"дер", "вод"};
    result.MonthPillar = {"ОГО", "ВОД"};
    result.YearPillar = {"зем", "дер"};
    result.YearSquare = {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}};
    result.MonthSquare = {{{1, 6, 8}, {9, 2, 4}, {5, 7, 3}}};
    return result;
}

const PrintTexts SampleTexts{"06", "12", "2026", "14", "05"};

struct TextCase {
    const char *text;
    int x, y, points;
    bool bold, italic;
};

} // namespace

TEST(PrintLayout, A4At600DpiLinesInOrder)
{
    const Page page = Record(4960, 7015, SampleTexts, SampleResult());
    const std::vector<Segment> table = {{200, 400, 2900, 400},  {200, 600, 3575, 600}, {200, 800, 3575, 800},
                                        {200, 400, 200, 800},   {875, 200, 875, 800},  {1550, 200, 1550, 800},
                                        {2225, 200, 2225, 800}, {2900, 400, 2900, 800}};
    std::vector<Segment> expected = table;
    for (int left : {200, 1550}) {
        for (int y : {1050, 1250, 1450, 1650})
            expected.emplace_back(left, y, left + 720, y);
        for (int dx : {0, 240, 480, 720})
            expected.emplace_back(left + dx, 1050, left + dx, 1650);
    }
    EXPECT_EQ(page.lines, expected);
}

TEST(PrintLayout, A4At600DpiTextsFontsAndOrder)
{
    const Page page = Record(4960, 7015, SampleTexts, SampleResult());
    const std::vector<TextCase> expected = {{"Час", 312, 230, 12, false, false},
                                            {"День", 987, 230, 12, false, false},
                                            {"Месяц", 1662, 230, 12, false, false},
                                            {"Год", 2337, 230, 12, false, false},
                                            {"небесный ствол", 3000, 430, 12, false, false},
                                            {"земная ветвь", 3000, 630, 12, false, false},
                                            {"06.12.2026    14:05", 3000, 230, 14, true, true},
                                            {"ЗЕМ", 312, 430, 12, true, false},
                                            {"ОГО", 312, 630, 12, true, false},
                                            {"дер", 987, 430, 12, true, false},
                                            {"вод", 987, 630, 12, true, false},
                                            {"ОГО", 1662, 430, 12, true, false},
                                            {"ВОД", 1662, 630, 12, true, false},
                                            {"зем", 2337, 430, 12, true, false},
                                            {"дер", 2337, 630, 12, true, false},
                                            {"Квадрат Года", 200, 900, 12, false, false}};
    ASSERT_EQ(page.texts.size(), expected.size() + 9 + 1 + 9);
    for (size_t i = 0; i < expected.size(); ++i) {
        const CanvasOp &op = page.texts[i];
        const TextCase &want = expected[i];
        SCOPED_TRACE(testing::Message() << "text " << i << " " << want.text);
        EXPECT_EQ(op.text, QString::fromUtf8(want.text));
        EXPECT_EQ(op.x1, want.x);
        EXPECT_EQ(op.y1, want.y);
        EXPECT_EQ(op.pointSize, want.points);
        EXPECT_EQ(op.bold, want.bold);
        EXPECT_EQ(op.italic, want.italic);
        EXPECT_EQ(op.fontColor, QColor(Qt::black));
        EXPECT_EQ(op.brush, QColor(Qt::white));
    }
}

TEST(PrintLayout, A4At600DpiSquares)
{
    const ChartResult result = SampleResult();
    const Page page = Record(4960, 7015, SampleTexts, result);
    const size_t yearStart = 16, monthCaption = 25, monthStart = 26;
    EXPECT_EQ(page.texts[monthCaption].text, QStringLiteral("Квадрат Месяца"));
    EXPECT_EQ(page.texts[monthCaption].x1, 1550);
    EXPECT_EQ(page.texts[monthCaption].y1, 900);
    EXPECT_FALSE(page.texts[monthCaption].bold);
    const int xs[3] = {272, 512, 752};
    const int ys[3] = {1080, 1280, 1480};
    for (int i = 0; i < 9; ++i) {
        const int c = i / 3, r = i % 3;
        SCOPED_TRACE(testing::Message() << "cell (" << r << "," << c << ")");
        const CanvasOp &year = page.texts[yearStart + i];
        const CanvasOp &month = page.texts[monthStart + i];
        EXPECT_EQ(year.text, QString::number(result.YearSquare[r][c]));
        EXPECT_EQ(std::make_pair(year.x1, year.y1), std::make_pair(xs[c], ys[r]));
        EXPECT_TRUE(year.bold && !year.italic && year.pointSize == 12);
        EXPECT_EQ(month.text, QString::number(result.MonthSquare[r][c]));
        EXPECT_EQ(std::make_pair(month.x1, month.y1), std::make_pair(xs[c] + 1350, ys[r]));
    }
}

// A page under 1500 pixels high (a printer at screen resolution) has a
// vertical unit of 0: everything collapses to zero height at the left edge,
// and drawing still completes.
TEST(PrintLayout, ShortPageCollapsesWithoutFailing)
{
    const PrintLayout l = ComputePrintLayout(767, 1097);
    EXPECT_EQ(l.ux, 1);
    EXPECT_EQ(l.uy, 0);
    EXPECT_EQ(l.left, 0);
    EXPECT_EQ(l.tableHeight, 0);
    EXPECT_EQ(l.squareTop, 450);
    const Page page = Record(767, 1097, SampleTexts, SampleResult());
    ASSERT_EQ(page.lines.size(), 24u);
    EXPECT_EQ(page.lines[0], Segment(0, 200, 300, 200));
    EXPECT_EQ(page.lines[4], Segment(75, 200, 75, 200));
    for (size_t i = 8; i < 24; ++i) {
        const auto [x1, y1, x2, y2] = page.lines[i];
        EXPECT_EQ(y1, 450) << "square line " << i;
        EXPECT_EQ(y2, 450) << "square line " << i;
    }
    EXPECT_EQ(page.texts.size(), 35u);
}

TEST(PrintLayout, DateLineTakesFieldTextsAsTyped)
{
    const struct {
        PrintTexts texts;
        const char *line;
    } cases[] = {
        {{"6", "12", "2026", "9", "5"}, "6.12.2026    9:5"},
        {{"06", "12", "2026", "09", "05"}, "06.12.2026    09:05"},
        {{"123456", "12", "20260", "", "5"}, "1234.12.2026    :5"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PrintDateLine(c.texts), QString::fromUtf8(c.line)) << c.line;
        const Page page = Record(4960, 7015, c.texts, SampleResult());
        EXPECT_EQ(page.texts[6].text, QString::fromUtf8(c.line)) << c.line;
    }
}

TEST(PrintLayout, TokensAreCutToThreeCharacters)
{
    ChartResult result = SampleResult();
    result.HourPillar.Stem = "ДЕРЕВО";
    const Page page = Record(4960, 7015, SampleTexts, result);
    EXPECT_EQ(page.texts[7].text, QStringLiteral("ДЕР"));
}

TEST(PrintLayout, BeforeAnyCalculationSquaresPrintZerosAndTokensNothing)
{
    const Page page = Record(4960, 7015, SampleTexts, ChartResult{});
    ASSERT_EQ(page.texts.size(), 35u);
    for (size_t i = 7; i < 15; ++i)
        EXPECT_TRUE(page.texts[i].text.isEmpty()) << "token " << i;
    for (size_t i : {16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 30, 31, 32, 33, 34})
        EXPECT_EQ(page.texts[i].text, QStringLiteral("0")) << "cell text " << i;
}

// At every resolution a printer or the PDF may have, no text of the page
// touches a line: each text's box, measured with the page's own fonts at that
// resolution, stays clear of every line with its pen width.
TEST(PrintLayout, TextsStayClearOfLinesAtAnyResolution)
{
    for (int dpi : {300, 600, 1200, 2400}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        QPdfWriter device(QStringLiteral("/dev/null"));
        device.setResolution(dpi);
        const qint64 width = 210 * dpi * 10 / 254, height = 297 * dpi * 10 / 254;
        Canvas canvas;
        canvas.setRecording(true);
        DrawPrintPage(canvas, width, height, SampleTexts, SampleResult());
        std::vector<QRect> lines, texts;
        std::vector<QString> names;
        for (const CanvasOp &op : canvas.recorded()) {
            if (op.kind == CanvasOp::Kind::Line) {
                lines.push_back(QRect(QPoint(op.x1, op.y1), QPoint(op.x2, op.y2))
                                    .normalized()
                                    .adjusted(-op.penWidth / 2, -op.penWidth / 2, op.penWidth / 2, op.penWidth / 2));
                continue;
            }
            QFont font = Canvas::defaultFont();
            font.setPointSize(op.pointSize);
            font.setBold(op.bold);
            font.setItalic(op.italic);
            const QFontMetrics metrics(font, &device);
            texts.emplace_back(op.x1, op.y1, metrics.horizontalAdvance(op.text), metrics.height());
            names.push_back(op.text);
        }
        for (size_t t = 0; t < texts.size(); ++t)
            for (const QRect &line : lines)
                EXPECT_FALSE(texts[t].intersects(line)) << names[t].toStdString() << " meets a line";
    }
}

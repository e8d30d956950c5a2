// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "ResultDrawing.h"

namespace {

std::vector<CanvasOp> Recorded(const std::function<void(Canvas &)> &drawing)
{
    Canvas canvas;
    canvas.setRecording(true);
    drawing(canvas);
    return canvas.recorded();
}

std::vector<std::pair<int, int>> LinesOf(const std::vector<CanvasOp> &ops)
{
    std::vector<std::pair<int, int>> lines; // (x1, y1) of every line in order
    for (const CanvasOp &op : ops)
        if (op.kind == CanvasOp::Kind::Line)
            lines.emplace_back(op.x1, op.y1);
    return lines;
}

} // namespace

TEST(Drawing, PillarTableCoordinates)
{
    const auto ops = Recorded([](Canvas &c) { DrawEmptyTable(c, 230, 81, 4, TableColors::PillarBackground); });
    ASSERT_EQ(ops.front().kind, CanvasOp::Kind::Rectangle);
    EXPECT_EQ(ops.front().brush, QColor(255, 255, 185));
    EXPECT_EQ(ops.front().pen, QColor(0, 0, 255));
    EXPECT_EQ(ops.front().x2, 230);
    EXPECT_EQ(ops.front().y2, 81);
    EXPECT_EQ(LinesOf(ops), (std::vector<std::pair<int, int>>{{0, 27}, {0, 54}, {57, 0}, {115, 0}, {172, 0}}));
    std::vector<int> headingX;
    for (const CanvasOp &op : ops)
        if (op.kind == CanvasOp::Kind::Text) {
            headingX.push_back(op.x1);
            EXPECT_EQ(op.y1, 4);
            EXPECT_TRUE(op.bold);
            EXPECT_EQ(op.fontColor, QColor(128, 0, 0));
        }
    EXPECT_EQ(headingX, (std::vector<int>{9, 67, 124, 182}));
}

TEST(Drawing, TokensAndSquareNumbers)
{
    ChartResult result;
    result.HourPillar = {"ЗЕМ", "ОГО"};
    result.YearSquare = {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}};
    const auto tokens = Recorded([&](Canvas &c) { DrawPillarTokens(c, 230, 81, result); });
    ASSERT_EQ(tokens.size(), 8u);
    EXPECT_EQ(tokens[0].text, QString::fromUtf8("ЗЕМ"));
    EXPECT_EQ(tokens[0].y1, 31);
    EXPECT_EQ(tokens[1].y1, 58);
    EXPECT_EQ(tokens[2].x1, 67);
    EXPECT_EQ(tokens[7].x1, 182);
    EXPECT_TRUE(tokens[7].text.isEmpty());
    EXPECT_EQ(tokens[0].fontColor, QColor(Qt::black));

    const auto grid = Recorded([](Canvas &c) { DrawEmptyTable(c, 81, 81, 3, TableColors::SquareBackground); });
    EXPECT_EQ(LinesOf(grid), (std::vector<std::pair<int, int>>{{0, 27}, {0, 54}, {27, 0}, {54, 0}}));

    const auto numbers = Recorded([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, result.YearSquare); });
    ASSERT_EQ(numbers.size(), 9u);
    const int expected[9][3] = {{10, 8, 8},  {10, 35, 7}, {10, 62, 3}, {37, 8, 4}, {37, 35, 9},
                                {37, 62, 5}, {64, 8, 6},  {64, 35, 2}, {64, 62, 1}};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(numbers[i].x1, expected[i][0]) << i;
        EXPECT_EQ(numbers[i].y1, expected[i][1]) << i;
        EXPECT_EQ(numbers[i].text, QString::number(expected[i][2])) << i;
    }
}

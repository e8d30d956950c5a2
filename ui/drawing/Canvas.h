// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <vector>

class QPainter;

// One drawing primitive as the canvas carried it out, with the settings in
// force; tests read these instead of comparing pixels.
struct CanvasOp {
    enum class Kind { Rectangle, Line, Text };
    Kind kind = Kind::Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // text: x1, y1 is its top-left corner
    QString text;
    QColor pen, brush, fontColor;
    int penWidth = 1;
    bool bold = false, italic = false;
    int pointSize = 0; // 0 while the font is the default pixel-sized one
};

// A drawing surface that keeps its pen, brush and font between operations,
// like a bitmap's or a printer page's canvas. It draws through a painter when
// one is attached and records every primitive when asked to. Coordinates are
// device pixels; rectangles and lines exclude their right/bottom end points.
class Canvas
{
public:
    // The default font: the window's sans face at 11 pixels (8 points at 96 dpi).
    static QFont defaultFont();

    void attach(QPainter *painter) { m_painter = painter; }
    void setRecording(bool on) { m_recording = on; }
    const std::vector<CanvasOp> &recorded() const { return m_ops; }

    void setBrushColor(const QColor &color) { m_brush = color; }
    void setPenColor(const QColor &color) { m_pen = color; }
    void setPenWidth(int width) { m_penWidth = width; }
    void setFontBold(bool bold) { m_font.setBold(bold); }
    void setFontItalic(bool italic) { m_font.setItalic(italic); }
    void setFontColor(const QColor &color) { m_fontColor = color; }
    void setFontPointSize(int points);

    // Filled with the brush and framed with the pen.
    void rectangle(int x1, int y1, int x2, int y2);
    void line(int x1, int y1, int x2, int y2);
    // Top-left corner at (x, y), on the brush colour as background.
    void textOut(int x, int y, const QString &text);

private:
    CanvasOp op(CanvasOp::Kind kind, int x1, int y1, int x2, int y2) const;
    void record(CanvasOp op);

    QPainter *m_painter = nullptr;
    bool m_recording = false;
    std::vector<CanvasOp> m_ops;
    QColor m_brush = Qt::white;
    QColor m_pen = Qt::black;
    int m_penWidth = 1;
    QFont m_font = defaultFont();
    QColor m_fontColor = QColor(Qt::black);
    int m_pointSize = 0;
};

// A toolkit colour value: red in the low byte, green, then blue.
QColor ColorFromValue(unsigned value);

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Canvas.h"

#include <QPainter>

#include "Fonts.h"

QFont Canvas::defaultFont() { return PixelFont(11); }

QColor ColorFromValue(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

void Canvas::setFontPointSize(int points)
{
    m_pointSize = points;
    m_font.setPointSize(points);
}

CanvasOp Canvas::op(CanvasOp::Kind kind, int x1, int y1, int x2, int y2) const
{
    CanvasOp o;
    o.kind = kind;
    o.x1 = x1;
    o.y1 = y1;
    o.x2 = x2;
    o.y2 = y2;
    o.pen = m_pen;
    o.brush = m_brush;
    o.fontColor = m_fontColor;
    o.penWidth = m_penWidth;
    o.bold = m_font.bold();
    o.italic = m_font.italic();
    o.pointSize = m_pointSize;
    return o;
}

void Canvas::record(CanvasOp o)
{
    if (m_recording)
        m_ops.push_back(std::move(o));
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    record(op(CanvasOp::Kind::Rectangle, x1, y1, x2, y2));
    if (!m_painter)
        return;
    m_painter->setPen(QPen(m_pen, m_penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter->setBrush(m_brush);
    m_painter->drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::line(int x1, int y1, int x2, int y2)
{
    record(op(CanvasOp::Kind::Line, x1, y1, x2, y2));
    if (!m_painter)
        return;
    m_painter->setPen(QPen(m_pen, m_penWidth, Qt::SolidLine, Qt::FlatCap));
    m_painter->drawLine(QLine(x1, y1, x2, y2));
}

void Canvas::textOut(int x, int y, const QString &text)
{
    CanvasOp o = op(CanvasOp::Kind::Text, x, y, x, y);
    o.text = text;
    record(std::move(o));
    if (!m_painter || text.isEmpty())
        return;
    m_painter->setFont(m_font);
    m_painter->setPen(m_fontColor);
    m_painter->setBackgroundMode(Qt::OpaqueMode);
    m_painter->setBackground(m_brush);
    const QFontMetrics metrics(m_font, m_painter->device());
    m_painter->drawText(QPoint(x, y + metrics.ascent()), text);
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QColor>
#include <QGroupBox>

// The copy panel's group box: its whole body in one flat colour under the
// caption, without the style's frame shading, so the empty copy tables sit
// on exactly the panel colour.
class CopyPanel : public QGroupBox
{
    Q_OBJECT

public:
    CopyPanel(const QString &title, QColor colour, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

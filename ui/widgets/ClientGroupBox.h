// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A group box that reports mouse actions on its free area: a left click, a
// double click and any button pressed.
class ClientGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    ClientGroupBox(const QString &name, const QString &title, QWidget *parent = nullptr);

signals:
    void clicked();
    void doubleClicked();
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_doubleClicking = false;
};

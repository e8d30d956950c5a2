// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

// An up/down button pair in one control. It never takes the keyboard focus,
// so it acts on whichever field has it. Releasing the left button over a half
// reports that half once; holding it reports it again 400 ms after the press
// and then every 100 ms while the pointer stays on that half.
class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget *parent = nullptr);

    static constexpr int FirstRepeatMs = 400;
    static constexpr int RepeatMs = 100;

signals:
    void upClicked();
    void downClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Half { None, Up, Down };

    Half halfAt(const QPoint &pos) const;
    void report(Half half);
    void repeat();

    Half m_pressed = Half::None;
    bool m_pointerOnPressed = false;
    QTimer m_repeat;
};

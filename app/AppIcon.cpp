// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AppIcon.h"

#include <QApplication>
#include <QDirIterator>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Waits for the first paint of its window, then sets the icon from the
// event loop, after the frame has gone to the screen, and goes away.
class IconAfterFirstFrame : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_queued) {
            m_queued = true;
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(AppIcon());
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_queued = false;
};

} // namespace

QIcon AppIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

void SetAppIconAfterFirstFrame(QWidget *window) { window->installEventFilter(new IconAfterFirstFrame(window)); }

// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QApplication>

// The wait cursor for the whole screen while a calculation runs (unless show
// is false); the normal cursor returns exactly once, whichever way the
// calculation ends.
class WaitCursor
{
public:
    explicit WaitCursor(bool show = true)
        : m_active(show)
    {
        if (show)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    void restore()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active;
};

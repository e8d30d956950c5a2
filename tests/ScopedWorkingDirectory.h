// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

// Makes `path` the working directory while it lives and puts the previous
// one back however the test leaves the scope (a failed ASSERT returns early).
class ScopedWorkingDirectory
{
public:
    explicit ScopedWorkingDirectory(const QString &path)
        : m_previous(QDir::currentPath())
        , m_changed(QDir::setCurrent(path))
    { }
    ~ScopedWorkingDirectory() { QDir::setCurrent(m_previous); }
    ScopedWorkingDirectory(const ScopedWorkingDirectory &) = delete;
    ScopedWorkingDirectory &operator=(const ScopedWorkingDirectory &) = delete;

    bool changed() const { return m_changed; }

private:
    QString m_previous;
    bool m_changed;
};

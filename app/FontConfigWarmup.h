// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <thread>

// Reads the system's font configuration on a second thread while the
// application object connects to the display. Reading it (the XML files and
// the font caches) is the largest single cost of the first frame, and the
// window's first text would otherwise wait for it; the library keeps the
// result for the window system's font database. Nothing else is shared.
class FontConfigWarmup
{
public:
    FontConfigWarmup();
    ~FontConfigWarmup();
    FontConfigWarmup(const FontConfigWarmup &) = delete;
    FontConfigWarmup &operator=(const FontConfigWarmup &) = delete;

    // Waits until the configuration is read. Call it before the first
    // window, so that the window system never reads it a second time.
    void wait();

private:
    std::thread m_thread;
};

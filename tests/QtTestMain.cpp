// SPDX-License-Identifier: AGPL-3.0-or-later
// Test entry for widget tests: a QApplication, the window's language, and a
// private configuration and data folder so that no test ever reads or writes
// the real user's settings or client file.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Translation.h"

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window speaks Russian whatever the locale.
    UseLanguage(Language::Russian);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

// Runs a program to its end and returns what it wrote to standard output.
inline QString RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The sample chart's arguments for velmora-chart.
inline QStringList SampleToolArguments()
{
    return {QStringLiteral("06.12.2026"), QStringLiteral("14:05"),       QStringLiteral("--correction"),
            QStringLiteral("3"),          QStringLiteral("--longitude"), QStringLiteral("037:37E")};
}

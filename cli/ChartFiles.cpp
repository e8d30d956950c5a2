// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartFiles.h"

#include <QGuiApplication>

#include <ostream>

#include "ChartFile.h"

namespace {

bool WriteOne(const std::string &name, const SharedChart &chart, std::ostream &err)
{
    if (name.empty())
        return true;
    const QString failure = SaveChartFileNamed(QByteArray::fromStdString(name), chart);
    if (!failure.isEmpty())
        err << "velmora-chart: " << failure.toStdString() << "\n";
    return failure.isEmpty();
}

} // namespace

bool WriteChartFiles(const SharedChart &chart, const std::string &pdf, const std::string &png, std::ostream &err)
{
    if (pdf.empty() && png.empty())
        return true;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "velmora-chart";
    char *argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv); // fonts and painting need it
    const bool pdfWritten = WriteOne(pdf, chart, err);
    return WriteOne(png, chart, err) && pdfWritten;
}

#include "ChartFiles.h"

#include <QGuiApplication>

#include <cstdio>
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

// Qt's own diagnostics (a missing XDG_RUNTIME_DIR, a font that is not
// found) are not the tool's messages: they would show in English under any
// locale, in the middle of its output on standard error.
void DropQtDiagnostics(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fputs(qPrintable(message + u'\n'), stderr);
}

} // namespace

bool WriteChartFiles(const SharedChart &chart, const std::string &pdf, const std::string &png, std::ostream &err)
{
    if (pdf.empty() && png.empty())
        return true;
    qInstallMessageHandler(DropQtDiagnostics);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "velmora-chart";
    char *argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv); // fonts and painting need it
    const bool pdfWritten = WriteOne(pdf, chart, err);
    return WriteOne(png, chart, err) && pdfWritten;
}

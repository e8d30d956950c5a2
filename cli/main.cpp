// SPDX-License-Identifier: AGPL-3.0-or-later
// velmora-chart: the chart of one moment, or of a batch of moments, for
// scripts. Computes exactly what the Velmora window computes.

#include <cerrno>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "ClientCommands.h"
#include "Batch.h"
#include "SingleChart.h"
#include "Usage.h"
#include "SystemError.h"
#include "ToolOptions.h"
#include "Translation.h"
#include "Utf8Text.h"

namespace {

// Qt's own diagnostics (a missing XDG_RUNTIME_DIR when a file is drawn, a
// library that cannot be loaded) are not the tool's messages: they would
// show in English under any locale, among its messages on standard error.
// What they report reaches the user as a message of the tool's own.
void DropQtDiagnostics(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

// The arguments that are echoed in messages and output are made printable;
// file names are used as the bytes given, so a file gets the name asked for.
void MakePrintable(ToolOptions &options)
{
    for (std::string &argument : options.Positional)
        argument = PrintableUtf8(argument);
    for (std::optional<std::string> *echoed : {&options.Correction, &options.Longitude, &options.Place, &options.Zone})
        if (*echoed)
            **echoed = PrintableUtf8(**echoed);
}

// Flushes and closes standard output: a write that failed on the way, or a
// full disk that shows only now, turns the status into a failure.
int FinishOutput(int status)
{
    std::cout.flush();
    if (std::cout && close(STDOUT_FILENO) == 0)
        return status;
    const int error = errno;
    const std::string message = error
        ? Filled(Translate("main", "cannot write the output: %1"), SystemErrorText(error).toStdString())
        : Filled(Translate("main", "cannot write the output"));
    std::cerr << "velmora-chart: " << message << "\n";
    return 1;
}

int Run(const ToolOptions &options)
{
    if (options.Help) {
        std::cout << UsageText();
        return 0;
    }
    if (options.Clients)
        return ListClients(options.Json, options.Header, std::cout, std::cerr);
    if (options.ExportClients)
        return ExportClients(std::cout, std::cerr);
    if (options.ImportClients)
        return ImportClients(*options.ImportClients, std::cerr);
    if (options.Client) {
        const ClientOptions client = WithClient(options);
        if (!client.Error.empty()) {
            std::cerr << "velmora-chart: " << client.Error << "\n";
            return 1;
        }
        return RunSingle(client.Options);
    }
    if (options.Now)
        return RunSingle(AtPresent(options));
    if (!options.Batch)
        return RunSingle(options);
    const BatchOutcome outcome = RunBatch(std::cin, std::cout,
                                          {options.Json, options.Header, options.FoldChoice, options.Reading,
                                           options.SolarTime, options.DayChangeAtMidnight});
    if (!outcome.Failure.empty()) {
        std::cerr << "velmora-chart: " << outcome.Failure << "\n";
        return 1;
    }
    return outcome.Status;
}

} // namespace

int main(int argc, char **argv)
{
    // Standard streams of their own, not stdio's: a failed read or write then
    // shows on the stream, with its reason in errno.
    std::ios::sync_with_stdio(false);
    UseLanguage(LanguageOfEnvironment());
    qInstallMessageHandler(DropQtDiagnostics);
    OptionsOutcome parsed = ParseOptions({argv + 1, argv + argc});
    if (!parsed.Options)
        return UsageError(PrintableUtf8(parsed.Error));
    MakePrintable(*parsed.Options);
    const int status = Run(*parsed.Options);
    return FinishOutput(status);
}

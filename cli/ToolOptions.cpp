// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ToolOptions.h"

#include <cctype>

#include "AroundFormat.h"
#include "ChartTypes.h"
#include "LuckFormat.h"
#include "Translation.h"

namespace {

// An option is a switch or takes the next argument as its value.
struct OptionSpec {
    std::string_view Name;
    bool ToolOptions::*Switch = nullptr;
    std::optional<std::string> ToolOptions::*Value = nullptr;
};

constexpr OptionSpec Specs[] = {
    {"--help", &ToolOptions::Help},
    {"-h", &ToolOptions::Help},
    {"--json", &ToolOptions::Json},
    {"--batch", &ToolOptions::Batch},
    {"--header", &ToolOptions::Header},
    {"--reading", &ToolOptions::Reading},
    {"--correction", nullptr, &ToolOptions::Correction},
    {"--longitude", nullptr, &ToolOptions::Longitude},
    {"--place", nullptr, &ToolOptions::Place},
    {"--tz", nullptr, &ToolOptions::Zone},
    {"--pdf", nullptr, &ToolOptions::Pdf},
    {"--png", nullptr, &ToolOptions::Png},
    {"--fold", nullptr, &ToolOptions::Fold},
    {"--luck", nullptr, &ToolOptions::Luck},
    {"--around", nullptr, &ToolOptions::Around},
    {"--days", nullptr, &ToolOptions::DaysFrom}, // and the next argument, TO
    {"--now", &ToolOptions::Now},
    {"--solar-time", &ToolOptions::SolarTime},
    {"--day-change", nullptr, &ToolOptions::DayChange},
    {"--clients", &ToolOptions::Clients},
    {"--export-clients", &ToolOptions::ExportClients},
    {"--client", nullptr, &ToolOptions::Client},
    {"--import-clients", nullptr, &ToolOptions::ImportClients},
};

const OptionSpec *SpecOf(std::string_view argument)
{
    for (const OptionSpec &spec : Specs)
        if (spec.Name == argument)
            return &spec;
    return nullptr;
}

// A file's type goes by its extension, in any case.
bool HasExtension(const std::optional<std::string> &name, std::string_view extension)
{
    if (!name || name->size() < extension.size())
        return false;
    const std::string_view tail = std::string_view(*name).substr(name->size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != extension[i])
            return false;
    return true;
}

// The usage error of options that do not go together, or nothing.
std::optional<std::string> Conflict(const ToolOptions &options)
{
    if (options.DayChange && *options.DayChange != "0" && *options.DayChange != "23")
        return Filled(Translate("ToolOptions", "--day-change takes 0 or 23"));
    if (options.Fold && *options.Fold != "earlier" && *options.Fold != "later")
        return Filled(Translate("ToolOptions", "--fold takes \"earlier\" or \"later\""));
    const bool clientFile = options.Clients || options.ExportClients || options.ImportClients;
    if (clientFile
        && (options.Batch || options.Client || !options.Positional.empty() || options.DaysFrom || options.Now
            || int(options.Clients) + int(options.ExportClients) + int(bool(options.ImportClients)) > 1))
        return Filled(Translate("ToolOptions",
                                "--clients, --export-clients and --import-clients go alone (--clients with --json or "
                                "--header)"));
    if (clientFile)
        return options.Header && options.Json ? std::optional(
                   Filled(Translate("ToolOptions", "--header names the CSV columns; it does not go with --json")))
                                              : std::nullopt;
    if (options.Client
        && (options.Batch || !options.Positional.empty() || options.Now || options.Place || options.Zone
            || options.Correction || options.Longitude))
        return Filled(Translate("ToolOptions",
                                "--client gives the date, the time and the place itself; it does not go with them"));
    if (options.Luck && options.Luck->empty() && !options.Client)
        return Filled(Translate("ToolOptions", "--luck takes \"male\", \"female\", \"м\" or \"ж\""));
    if (options.Luck && !options.Luck->empty() && !ParseSex(*options.Luck))
        return Filled(Translate("ToolOptions", "--luck takes \"male\", \"female\", \"м\" or \"ж\""));
    if (options.Around && !ParseAroundMinutes(*options.Around))
        return Filled(Translate("ToolOptions", "--around takes whole minutes from 1 to 1440"));
    if (options.Around && (options.Batch || options.Luck || options.Pdf || options.Png))
        return Filled(Translate(
            "ToolOptions", "--around lists the charts of a span; it does not go with --batch, --luck, --pdf or --png"));
    if (options.DaysFrom && (options.Batch || options.Around || options.Png))
        return Filled(Translate("ToolOptions", "--days lists days; it does not go with --batch, --around or --png"));
    const bool chart = !options.Positional.empty() || options.Client;
    if (options.DaysFrom && options.Pdf && !chart)
        return Filled(Translate("ToolOptions", "--days takes --pdf only after a date and a time, or with --client"));
    if (options.DaysFrom && (options.Luck || options.Reading) && !options.Pdf)
        return Filled(Translate("ToolOptions", "--days takes --luck and --reading only for the report of --pdf"));
    if (options.Now && (options.Batch || options.DaysFrom || !options.Positional.empty()))
        return Filled(Translate("ToolOptions", "--now takes the present minute instead of a date and a time"));
    if (options.Reading && options.Around)
        return Filled(Translate("ToolOptions", "--reading reads a single chart; it does not go with --around"));
    if (options.Reading && options.Batch && !options.Json)
        return Filled(Translate("ToolOptions", "--batch takes --reading with --json only"));
    if (options.Batch) {
        if (options.Luck)
            return Filled(Translate("ToolOptions",
                                    "--batch takes the sex in a sixth field of each line (with --json), not --luck"));
        if (!options.Positional.empty())
            return Filled(Translate("ToolOptions", "--batch takes its cases from standard input"));
        if (options.Correction || options.Longitude)
            return Filled(
                Translate("ToolOptions",
                          "--batch takes the correction and longitude from each input line, not from --correction or "
                          "--longitude"));
        if (options.Place || options.Zone)
            return Filled(Translate("ToolOptions", "--batch takes a zone in each line, not --place or --tz"));
        if (options.Header && options.Json)
            return Filled(Translate("ToolOptions", "--header names the CSV columns; it does not go with --json"));
        if (options.Pdf || options.Png)
            return Filled(Translate("ToolOptions", "--pdf and --png save a single chart, not a batch"));
        return std::nullopt;
    }
    if (options.Header && !options.DaysFrom && !clientFile)
        return Filled(Translate("ToolOptions", "--header goes with --batch or --days"));
    if (options.Header && options.Json)
        return Filled(Translate("ToolOptions", "--header names the CSV columns; it does not go with --json"));
    if (options.Positional.size() != 2 && !options.Now && !options.Client
        && !(options.DaysFrom && options.Positional.empty()))
        return Filled(Translate("ToolOptions", "expected a date and a time"));
    if (options.Fold && !options.Place && !options.Zone)
        return Filled(Translate("ToolOptions", "--fold goes with --place or --tz"));
    if (options.Place && (options.Zone || options.Correction || options.Longitude))
        return Filled(Translate("ToolOptions", "--place gives the correction and the longitude itself"));
    if (options.Zone && options.Correction)
        return Filled(Translate("ToolOptions", "--tz gives the correction itself"));
    if (options.Pdf && !HasExtension(options.Pdf, ".pdf"))
        return Filled(Translate("ToolOptions", "the --pdf file name must end in .pdf"));
    if (options.Png && !HasExtension(options.Png, ".png"))
        return Filled(Translate("ToolOptions", "the --png file name must end in .png"));
    return std::nullopt;
}

} // namespace

void ApplyRules(const ToolOptions &options, ChartInput &input)
{
    input.TrueSolarTime = options.SolarTime;
    input.DayChangeAtMidnight = options.DayChangeAtMidnight;
}

OptionsOutcome ParseOptions(const std::vector<std::string_view> &arguments)
{
    ToolOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const OptionSpec *spec = SpecOf(argument);
        if (spec && spec->Switch) {
            options.*spec->Switch = true;
        } else if (spec) {
            // A place, zone or file name cannot be empty; a correction or longitude
            // that is gets its own error from the parser.
            // --luck may leave the sex to the client file.
            if (spec->Value == &ToolOptions::Luck && (i + 1 >= arguments.size() || arguments[i + 1].starts_with("-"))) {
                options.Luck = std::string();
                continue;
            }
            const bool needsText = spec->Value != &ToolOptions::Correction && spec->Value != &ToolOptions::Longitude;
            if (i + 1 >= arguments.size() || (needsText && arguments[i + 1].empty()))
                return {std::nullopt, Filled(Translate("ToolOptions", "%1 needs a value"), argument)};
            options.*spec->Value = std::string(arguments[++i]);
            if (spec->Value == &ToolOptions::DaysFrom) {
                if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                    return {std::nullopt, Filled(Translate("ToolOptions", "%1 needs two dates"), argument)};
                options.DaysTo = std::string(arguments[++i]);
            }
        } else if (argument.size() > 1 && argument.front() == '-') {
            return {std::nullopt, Filled(Translate("ToolOptions", "unknown option \"%1\""), argument)};
        } else {
            options.Positional.emplace_back(argument);
        }
    }
    if (options.Help)
        return {options, {}};
    if (auto conflict = Conflict(options))
        return {std::nullopt, *conflict};
    if (options.Fold)
        options.FoldChoice = *options.Fold == "earlier" ? ::Fold::Earlier : ::Fold::Later;
    if (options.Luck && !options.Luck->empty())
        options.LuckSex = ParseSex(*options.Luck);
    if (options.Around)
        options.AroundMinutes = *ParseAroundMinutes(*options.Around);
    options.DayChangeAtMidnight = options.DayChange == "0";
    return {options, {}};
}

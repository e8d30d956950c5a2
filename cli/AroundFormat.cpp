// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AroundFormat.h"

#include <charconv>

#include "ChangeText.h"
#include "ChartFormat.h"
#include "ChartText.h"

namespace {

constexpr char CutNote[] = "Промежуток обрезан по границе диапазона дат (01.01.0001 - 31.12.5000).\n";

std::string JsonKeys(unsigned changes)
{
    std::string out = "[";
    for (const std::string &key : ChangeKeys(changes))
        out += (out.size() > 1 ? "," : "") + JsonString(key);
    return out + "]";
}

std::string RangeJson(const ChartInput &input, const ChartRange &range)
{
    return "{\"from\":" + JsonString(ClockTimeText(ClockTimeAt(input, range.From)))
        + ",\"to\":" + JsonString(ClockTimeText(ClockTimeAt(input, range.To))) + "," + JsonChartKeys(range.Result)
        + ",\"changes\":" + JsonKeys(range.Changes) + "}";
}

} // namespace

std::optional<std::int32_t> ParseAroundMinutes(std::string_view text)
{
    std::int32_t minutes = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
    if (error != std::errc() || end != text.data() + text.size() || minutes < 1 || minutes > MaxSpanMinutes)
        return std::nullopt;
    return minutes;
}

std::string FormatAroundText(const ChartInput &input, const ChartSpan &span)
{
    std::string out = span.Cut ? CutNote : "";
    for (const ChartRange &range : span.Ranges) {
        out += (&range == &span.Ranges.front() ? "" : "\n");
        out +=
            "с " + ClockTimeText(ClockTimeAt(input, range.From)) + " до " + ClockTimeText(ClockTimeAt(input, range.To));
        out += range.Changes ? ", смена: " + ChangeWords(range.Changes) + "\n" : "\n";
        out += FormatTable(range.Result);
    }
    return out;
}

std::string FormatAroundJson(std::string_view input, const ChartInput &chart, const ChartSpan &span)
{
    std::string ranges;
    for (const ChartRange &range : span.Ranges)
        ranges += (ranges.empty() ? "" : ",") + RangeJson(chart, range);
    return "{\"input\":" + JsonString(input) + ",\"around\":[" + ranges + "]" + (span.Cut ? ",\"cut\":true" : "") + "}";
}

std::string NearestChangeJson(const NearestChange &change)
{
    char minutes[32];
    const auto end = std::to_chars(minutes, minutes + sizeof minutes, static_cast<double>(change.Seconds) / 60).ptr;
    return "{\"what\":" + JsonKeys(change.What) + ",\"minutes\":" + std::string(minutes, end) + "}";
}

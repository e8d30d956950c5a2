// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AroundFormat.h"

#include <charconv>

#include "ChangeText.h"
#include "ChartFormat.h"
#include "ChartText.h"
#include "SpanClock.h"
#include "TimeScale.h"

namespace {

std::string JsonKeys(unsigned changes)
{
    std::string out = "[";
    for (const std::string &key : ChangeKeys(changes))
        out += (out.size() > 1 ? "," : "") + JsonString(key);
    return out + "]";
}

std::string RangeJson(const ChartInput &input, const ChartRange &range, const QByteArray &zone)
{
    const SpanClock from = SpanClockAt(input, zone, range.From);
    const SpanClock to = SpanClockAt(input, zone, range.To);
    std::string out =
        "{\"from\":" + JsonString(ClockTimeText(from.Time)) + ",\"to\":" + JsonString(ClockTimeText(to.Time));
    if (from.OffsetSeconds != OffsetSecondsOf(input))
        out += ",\"offset\":" + JsonString(SignedOffsetText(from.OffsetSeconds));
    if (to.OffsetSeconds != OffsetSecondsOf(input))
        out += ",\"toOffset\":" + JsonString(SignedOffsetText(to.OffsetSeconds));
    return out + "," + JsonChartKeys(range.Result) + ",\"changes\":" + JsonKeys(range.Changes) + "}";
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

std::string FormatAroundText(const ChartInput &input, const ChartSpan &span, const std::string &zone)
{
    const QByteArray zoneName = QByteArray::fromStdString(zone);
    const auto reading = [&](std::int64_t seconds) {
        return SpanClockText(input, SpanClockAt(input, zoneName, seconds));
    };
    std::string out = span.Cut ? SpanCutNote() + "\n" : "";
    for (const ChartRange &range : span.Ranges) {
        out += (&range == &span.Ranges.front() ? "" : "\n");
        out += "с " + reading(range.From) + " до " + reading(range.To);
        out += range.Changes ? ", смена: " + ChangeWords(range.Changes) + "\n" : "\n";
        out += FormatTable(range.Result);
    }
    return out;
}

std::string FormatAroundJson(std::string_view input, const ChartInput &chart, const ChartSpan &span,
                             const std::string &zone)
{
    std::string ranges;
    for (const ChartRange &range : span.Ranges)
        ranges += (ranges.empty() ? "" : ",") + RangeJson(chart, range, QByteArray::fromStdString(zone));
    return "{\"input\":" + JsonString(input) + ",\"around\":[" + ranges + "]" + (span.Cut ? ",\"cut\":true" : "") + "}";
}

std::string NearestChangeJson(const NearestChange &change)
{
    char minutes[32];
    const auto end = std::to_chars(minutes, minutes + sizeof minutes, static_cast<double>(change.Seconds) / 60).ptr;
    return "{\"what\":" + JsonKeys(change.What) + ",\"minutes\":" + std::string(minutes, end) + "}";
}

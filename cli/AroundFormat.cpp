// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AroundFormat.h"

#include <charconv>

#include "ChangeText.h"
#include "ChartFormat.h"
#include "ChartText.h"
#include "SpanClock.h"
#include "TimeScale.h"

namespace {

Json JsonKeys(unsigned changes)
{
    Json keys = Json::array();
    for (const std::string &key : ChangeKeys(changes))
        keys.push_back(key);
    return keys;
}

Json RangeJson(const ChartInput &input, const ChartRange &range, const QByteArray &zone)
{
    const SpanClock from = SpanClockAt(input, zone, range.From);
    const SpanClock to = SpanClockAt(input, zone, range.To);
    Json object = {{"from", ClockTimeText(from.Time)}, {"to", ClockTimeText(to.Time)}};
    if (from.OffsetSeconds != OffsetSecondsOf(input))
        object["offset"] = SignedOffsetText(from.OffsetSeconds);
    if (to.OffsetSeconds != OffsetSecondsOf(input))
        object["toOffset"] = SignedOffsetText(to.OffsetSeconds);
    AddChartKeys(object, range.Result);
    object["changes"] = JsonKeys(range.Changes);
    return object;
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
    std::string out = span.Cut ? SpanCutNote(input, span, reading) + "\n" : "";
    for (const ChartRange &range : span.Ranges) {
        out += (&range == &span.Ranges.front() ? "" : "\n");
        out += "с " + reading(range.From) + " до " + reading(range.To);
        out += range.Changes ? ", смена: " + ChangeWords(range.Changes) + "\n" : "\n";
        out += FormatTable(range.Result);
    }
    return out;
}

Json AroundJson(std::string_view input, const ChartInput &chart, const ChartSpan &span, const std::string &zone)
{
    Json ranges = Json::array();
    for (const ChartRange &range : span.Ranges)
        ranges.push_back(RangeJson(chart, range, QByteArray::fromStdString(zone)));
    Json object = {{"input", TextJson(input)}, {"around", std::move(ranges)}};
    if (span.Cut)
        object["cut"] = true;
    return object;
}

Json NearestChangeJson(const NearestChange &change)
{
    return {{"what", JsonKeys(change.What)}, {"minutes", ShortestNumber(static_cast<double>(change.Seconds) / 60)}};
}

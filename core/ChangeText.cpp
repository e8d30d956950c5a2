// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChangeText.h"

#include <cstdlib>

namespace {

struct ChangeName {
    ChartChange Bit;
    const char *Key;
    const char *Word;     // "час"
    const char *Genitive; // "смены часа"
};

// Smallest part first, as the table lists the changes.
constexpr ChangeName Names[] = {
    {ChangeHour, "hour", "час", "часа"},
    {ChangeDay, "day", "день", "дня"},
    {ChangeMonth, "month", "месяц", "месяца"},
    {ChangeYear, "year", "год", "года"},
    {ChangeYearSquare, "yearSquare", "квадрат года", "квадрата года"},
    {ChangeMonthSquare, "monthSquare", "квадрат месяца", "квадрата месяца"},
};

// The part a warning names: the largest pillar that changed, else a square.
const char *LargestGenitive(unsigned changes)
{
    for (const int i : {3, 2, 1, 0, 4, 5})
        if (changes & Names[i].Bit)
            return Names[i].Genitive;
    return "";
}

} // namespace

std::vector<std::string> ChangeKeys(unsigned changes)
{
    std::vector<std::string> keys;
    for (const ChangeName &name : Names)
        if (changes & name.Bit)
            keys.emplace_back(name.Key);
    return keys;
}

std::string ChangeWords(unsigned changes)
{
    std::string words;
    for (const ChangeName &name : Names)
        if (changes & name.Bit)
            words += (words.empty() ? "" : ", ") + std::string(name.Word);
    return words;
}

std::string NearestChangeText(const NearestChange &change, bool capital)
{
    const bool ahead = change.Seconds > 0;
    const long long minutes = std::llabs(change.Seconds) / 60;
    const std::string when = ahead ? (capital ? "До" : "до") : (capital ? "После" : "после");
    const std::string amount = minutes ? std::to_string(minutes) + " мин" : "менее 1 мин";
    return when + " смены " + LargestGenitive(change.What) + " " + amount;
}

bool IsNearChange(const NearestChange &change) { return std::llabs(change.Seconds) <= 15 * 60; }

std::string SpanCutNote(const ChartInput &input, const ChartSpan &span,
                        const std::function<std::string(std::int64_t seconds)> &reading)
{
    const std::int64_t from = span.Ranges.front().From;
    const bool atFirstDate = ClockTimeAt(input, from) == ClockTime{{1, 1, 1}, 0, 0, 0};
    return "Промежуток обрезан по границе вычислимых дат: "
        + (atFirstDate ? "с " + reading(from) : "до " + reading(span.Ranges.back().To)) + ".";
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// The tool's --place, --tz and batch zones, against the real city database
// and zone data.

#include <gtest/gtest.h>

#include "PlaceOption.h"
#include "TimeScale.h"

namespace {

ChartInput At(int day, int month, int year, int hour, int minute)
{
    return {day, month, year, hour, minute, 5, 60, 36, "E"};
}

} // namespace

TEST(PlaceOptions, PlaceSetsLongitudeAndCorrectionTzOnlyTheCorrection)
{
    ChartInput kazan = At(15, 7, 1985, 10, 0);
    const PlaceOutcome placed = ApplyPlaceOptions({"Казань", ""}, kazan);
    ASSERT_TRUE(placed.Used) << placed.Error;
    EXPECT_EQ(placed.Used->Name, "Казань");
    EXPECT_EQ(placed.Used->Region, "Республика Татарстан");
    EXPECT_EQ(placed.Used->Country, "Россия");
    EXPECT_EQ(placed.Used->Zone, "Europe/Moscow");
    EXPECT_EQ(CsvLineOf(kazan), "15.07.1985,10:00,4,049:07,E");

    ChartInput moscow = At(15, 1, 2015, 10, 0);
    ASSERT_TRUE(ApplyPlaceOptions({"", "Europe/Moscow"}, moscow).Used);
    EXPECT_EQ(CsvLineOf(moscow), "15.01.2015,10:00,3,060:36,E");

    ChartInput untouched = At(15, 1, 2015, 10, 0);
    const PlaceOutcome none = ApplyPlaceOptions({}, untouched);
    EXPECT_FALSE(none.Used);
    EXPECT_TRUE(none.Error.empty());
    EXPECT_EQ(CsvLineOf(untouched), CsvLineOf(At(15, 1, 2015, 10, 0)));
}

// Exact offsets are taken as they are; a skipped or doubled time takes the
// offset --fold names, and without it is an error naming both.
TEST(PlaceOptions, ExactOffsetsAndFolds)
{
    const int h = 3600;
    struct Case {
        PlaceOptions options;
        ChartInput input;
        std::optional<int> seconds; // the offset taken, or nothing for the error
        const char *error;
    };
    const std::string choose = "; \"--fold earlier\" or \"--fold later\" chooses";
    const Case cases[] = {
        {{"", "Asia/Kolkata"}, At(15, 7, 1985, 10, 0), 5 * h + 1800, ""},
        {{"", "Asia/Kathmandu"}, At(15, 7, 1995, 10, 0), 5 * h + 45 * 60, ""},
        {{"Москва", ""}, At(15, 7, 1915, 10, 0), 2 * h + 30 * 60 + 17, ""},
        {{"", "America/St_Johns"}, At(15, 1, 2000, 10, 0), -3 * h - 1800, ""},
        {{"", "Europe/Moscow", Fold::Earlier}, At(29, 9, 1985, 2, 30), 4 * h, ""},
        {{"", "Europe/Moscow", Fold::Later}, At(29, 9, 1985, 2, 30), 3 * h, ""},
        {{"", "Europe/Moscow", Fold::Earlier}, At(31, 3, 1985, 2, 30), 3 * h, ""},
        {{"", "Europe/Moscow", Fold::Later}, At(31, 3, 1985, 2, 30), 4 * h, ""},
        {{"Ыщщщ", ""}, At(15, 7, 1985, 10, 0), std::nullopt, "no place is named \"Ыщщщ\""},
        {{"", "Europe/Moscow"},
         At(29, 9, 1985, 2, 30),
         std::nullopt,
         "zone \"Europe/Moscow\" at 29.09.1985 02:30: the local time happened twice, the clocks moved back (+4 or +3)"},
        {{"", "Europe/Moscow"},
         At(31, 3, 1985, 2, 30),
         std::nullopt,
         "zone \"Europe/Moscow\" at 31.03.1985 02:30: no such local time, the clocks moved forward (+3 then +4)"},
        {{"", "Mars/Olympus"},
         At(15, 7, 1985, 10, 0),
         std::nullopt,
         "unknown time zone \"Mars/Olympus\" (use a name such as \"Europe/Moscow\")"},
    };
    for (const Case &c : cases) {
        const std::string name = c.options.Place + c.options.Zone + " " + CsvLineOf(c.input);
        ChartInput input = c.input;
        const PlaceOutcome outcome = ApplyPlaceOptions(c.options, input);
        if (!c.seconds) {
            EXPECT_FALSE(outcome.Used) << name;
            const bool folds = std::string(c.error).starts_with("zone");
            EXPECT_EQ(outcome.Error, c.error + (folds ? choose : "")) << name;
            EXPECT_EQ(CsvLineOf(input), CsvLineOf(c.input)) << name;
            continue;
        }
        ASSERT_TRUE(outcome.Used) << name << ": " << outcome.Error;
        EXPECT_EQ(outcome.Used->OffsetSeconds, *c.seconds) << name;
        EXPECT_EQ(OffsetSecondsOf(input), *c.seconds) << name;
        EXPECT_EQ(input.Correction, *c.seconds / 3600) << name;
    }
}

TEST(PlaceOptions, BatchLinesWithAZone)
{
    const auto zone = ParseBatchLine(BatchFields("01.07.1985,10:00,Europe/Moscow,037:37,E"));
    ASSERT_TRUE(zone.Input) << zone.Error;
    EXPECT_EQ(CsvLineOf(*zone.Input), "01.07.1985,10:00,4,037:37,E");

    const auto number = ParseBatchLine(BatchFields("01.07.1985,10:00,-3,037:37,W"));
    ASSERT_TRUE(number.Input) << number.Error;
    EXPECT_EQ(number.Input->Correction, -3);

    const auto kolkata = ParseBatchLine(BatchFields("15.07.1985,10:00,Asia/Kolkata,088:22,E"));
    ASSERT_TRUE(kolkata.Input) << kolkata.Error;
    EXPECT_EQ(CsvLineOf(*kolkata.Input), "15.07.1985,10:00,5:30,088:22,E");
    const auto typed = ParseBatchLine(BatchFields("15.07.1985,10:00,5:30,088:22,E"));
    ASSERT_TRUE(typed.Input) << typed.Error;
    EXPECT_EQ(OffsetSecondsOf(*typed.Input), 5 * 3600 + 1800);
    EXPECT_EQ(ParseBatchLine(BatchFields("15.07.1985,10:00,-0:30,088:22,E")).Input->OffsetSeconds, -1800);
    EXPECT_EQ(ParseBatchLine(BatchFields("15.07.1985,10:00,5:3,088:22,E")).Error,
              "correction \"5:3\" is not H, H:MM or H:MM:SS");
    EXPECT_EQ(ParseBatchLine(BatchFields("29.09.1985,02:30,Europe/Moscow,037:37,E"), Fold::Later).Input->Correction, 3);
    EXPECT_EQ(ParseBatchLine(BatchFields("31.02.1985,10:00,Europe/Moscow,037:37,E")).Error,
              "date \"31.02.1985\" does not exist");
    EXPECT_EQ(ParseBatchLine(BatchFields("01.07.1985,10:00,Europe/Moscow,037:37")).Error,
              "line \"01.07.1985,10:00,Europe/Moscow,037:37\" is not DD.MM.YYYY,HH:MM,CORR,DDD:MM,H");
}

TEST(PlaceOptions, OutputNamesThePlace)
{
    const auto withPlace = [](const PlaceUsed &used) {
        Json object = {{"input", "x"}};
        AddPlace(object, used);
        return Dumped(object);
    };
    const PlaceUsed kazan{
        "Казань", "Республика Татарстан", "Россия", "Europe/Moscow", 4 * 3600, "Казань, Республика Татарстан, Россия"};
    EXPECT_EQ(withPlace(kazan),
              "{\"input\":\"x\",\"place\":{\"name\":\"Казань\",\"region\":\"Республика Татарстан\","
              "\"country\":\"Россия\",\"zone\":\"Europe/Moscow\",\"offset\":\"+4\"}}");
    const PlaceUsed zone{"", "", "", "America/New_York", -4 * 3600, ""};
    EXPECT_EQ(withPlace(zone), "{\"input\":\"x\",\"place\":{\"zone\":\"America/New_York\",\"offset\":\"-4\"}}");
    EXPECT_EQ(PlaceLine(kazan, {15, 7, 1985, 10, 0, 4, 49, 7, "E"}),
              "Место: Казань, Республика Татарстан, Россия; пояс Europe/Moscow, поправка +4, долгота 049:07E\n");
    const PlaceUsed kolkata{"", "", "", "Asia/Kolkata", 5 * 3600 + 1800, ""};
    EXPECT_EQ(withPlace(kolkata), "{\"input\":\"x\",\"place\":{\"zone\":\"Asia/Kolkata\",\"offset\":\"+5:30\"}}");
}

// Only a city's name or other name chooses it; the region or country after a
// comma chooses among namesakes, the largest otherwise.
TEST(PlaceOptions, PlaceNamesTheCity)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Ленинград", "Санкт-Петербург, Россия"},
        {"Свердловск", "Екатеринбург, Свердловская область, Россия"},
        {"Kiev", "Киев, Украина"},
        {"Фрунзе", "Бишкек, Киргизия"},
        {"Заречный", "Заречный, Пензенская область, Россия"},
        {"Заречный, Свердловская", "Заречный, Свердловская область, Россия"},
        {"Москва, США", "Москва, Айдахо, США"},
        {"Ленинградск",
         "no place is named \"Ленинградск\"; did you mean: \"Ленинградская, Краснодарский край, Россия\""},
        {"Москва, Франция", "no place is named \"Москва, Франция\""},
    };
    for (const auto &[query, expected] : cases) {
        ChartInput input = At(15, 7, 1985, 10, 0);
        const PlaceOutcome outcome = ApplyPlaceOptions({query, ""}, input);
        EXPECT_EQ(outcome.Used ? outcome.Used->Label : outcome.Error, expected) << query;
    }
}

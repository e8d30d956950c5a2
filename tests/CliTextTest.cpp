// SPDX-License-Identifier: AGPL-3.0-or-later
#include <algorithm>

#include <gtest/gtest.h>

#include "BatchFields.h"
#include "Csv.h"
#include "ToolOptions.h"
#include "Utf8Text.h"

namespace {
const std::string R = "\xEF\xBF\xBD"; // U+FFFD
} // namespace

TEST(Utf8Text, IllFormedPartsBecomeOneReplacementEach)
{
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"ДЕР 060:36E", "ДЕР 060:36E"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, // U+1F600 stays
        {"a\xFF"
         "b",
         "a" + R + "b"},                     // never a UTF-8 byte
        {"\xC0\xAF", R + R},                 // overlong "/"
        {"\xE0\x80\xAF", R + R + R},         // overlong, three bytes
        {"\xED\xA0\x80", R + R + R},         // surrogate U+D800
        {"\xF4\x90\x80\x80", R + R + R + R}, // past U+10FFFF
        {"\xE2\x82"
         "x",
         R + "x"},           // cut short: one maximal subpart
        {"\xF0\x9F\x98", R}, // cut short at the end
        {"\xD0", R},         // half a Cyrillic letter
        {std::string("a\0b\x01\x1F\x7F\tc", 8), "a" + R + "b" + R + R + R + "\tc"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PrintableUtf8(c.in), c.out) << c.in;
}

TEST(Utf8Text, CutsAndLastCharactersKeepWholeCharacters)
{
    std::string text = "abЖ";
    DropSplitCharacter(text, 0x96); // a stray byte after a whole Ж
    EXPECT_EQ(text, "abЖ");
    text = "ab\xD0";
    DropSplitCharacter(text, 0x96);
    EXPECT_EQ(text, "ab");
    text = "a\xE2\x82";
    DropSplitCharacter(text, 0xAC);
    EXPECT_EQ(text, "a");
    text = "ab";
    DropSplitCharacter(text, 'c');
    EXPECT_EQ(text, "ab");

    EXPECT_EQ(LastCharacter("060:36Е"), "Е");
    EXPECT_EQ(LastCharacter("060:36E"), "E");
    EXPECT_EQ(LastCharacter(""), "");
}

TEST(Csv, FieldsAreQuotedOnlyWhereTheyMustBe)
{
    EXPECT_EQ(CsvField("ЗЕМ ОГО"), "ЗЕМ ОГО");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"x\""), "\"say \"\"x\"\"\"");
    EXPECT_EQ(CsvField("a\rb"), "\"a\rb\"");
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
    EXPECT_EQ(CsvRecord({"a", "", "b,c"}), "a,,\"b,c\"");
}

TEST(BatchFields, FieldsRestsAndHeadsAreViewsIntoTheLine)
{
    struct Case {
        std::string_view line;
        std::size_t count;
        std::string_view third, fromFifth, firstFive;
    };
    const Case cases[] = {
        {"01.01.2000,12:00,5,060:36,E", 5, "5", "E", "01.01.2000,12:00,5,060:36,E"},
        {"01.01.2000,12:00,5,060:36,E,ж", 6, "5", "E,ж", "01.01.2000,12:00,5,060:36,E"},
        {"a,,c,d,e,f,g", 7, "c", "e,f,g", "a,,c,d,e"},
        {"a,b", 2, "", "", "a,b"},
        {"", 1, "", "", ""},
        {"a,b,c,d,", 5, "c", "", "a,b,c,d,"},
    };
    for (const Case &c : cases) {
        const BatchFields fields(c.line);
        EXPECT_EQ(fields.Count(), c.count) << c.line;
        EXPECT_EQ(fields[2], c.third) << c.line;
        EXPECT_EQ(fields.From(4), c.fromFifth) << c.line;
        const BatchFields first = fields.First(5);
        EXPECT_EQ(first.Line(), c.firstFive) << c.line;
        EXPECT_EQ(first.Count(), std::min<std::size_t>(c.count, 5)) << c.line;
        EXPECT_EQ(first.From(4), first[4]) << c.line;
    }
}

TEST(ToolOptions, UsageErrorsAndAcceptedCommandLines)
{
    struct Case {
        std::vector<std::string_view> arguments;
        const char *error; // nullptr: accepted
    };
    const Case cases[] = {
        {{"01.01.2000", "12:00"}, nullptr},
        {{"01.01.2000", "12:00", "--correction", "-5", "--longitude", "074:00W", "--json"}, nullptr},
        {{"--batch"}, nullptr},
        {{"--batch", "--header"}, nullptr},
        {{"--batch", "--json"}, nullptr},
        {{"--help", "--bogus-later"}, "unknown option \"--bogus-later\""},
        {{"--batch", "--correction", "3"},
         "--batch takes the correction and longitude from each input line, not from "
         "--correction or --longitude"},
        {{"--batch", "--longitude", "060:36E"},
         "--batch takes the correction and longitude from each input line, not from "
         "--correction or --longitude"},
        {{"--batch", "01.01.2000"}, "--batch takes its cases from standard input"},
        {{"--batch", "--header", "--json"}, "--header names the CSV columns; it does not go with --json"},
        {{"01.01.2000", "12:00", "--header"}, "--header goes with --batch or --days"},
        {{"01.01.2000"}, "expected a date and a time"},
        {{"01.01.2000", "12:00", "--correction"}, "--correction needs a value"},
        {{"-x"}, "unknown option \"-x\""},
        {{"01.01.2000", "12:00", "--place", "Kazan"}, nullptr},
        {{"01.01.2000", "12:00", "--tz", "Europe/Moscow", "--longitude", "049:07E"}, nullptr},
        {{"--batch", "--tz", "Europe/Moscow"}, "--batch takes a zone in each line, not --place or --tz"},
        {{"01.01.2000", "12:00", "--place", "Kazan", "--longitude", "049:07E"},
         "--place gives the correction and the longitude itself"},
        {{"01.01.2000", "12:00", "--tz", "Europe/Moscow", "--correction", "3"}, "--tz gives the correction itself"},
        {{"01.01.2000", "12:00", "--place", ""}, "--place needs a value"},
        {{"01.01.2000", "12:00", "--pdf", "a.PDF", "--png", "b.png"}, nullptr},
        {{"01.01.2000", "12:00", "--pdf", "a.png"}, "the --pdf file name must end in .pdf"},
        {{"01.01.2000", "12:00", "--png", "png"}, "the --png file name must end in .png"},
        {{"01.01.2000", "12:00", "--png", ""}, "--png needs a value"},
        {{"--batch", "--pdf", "a.pdf"}, "--pdf and --png save a single chart, not a batch"},
    };
    for (const Case &c : cases) {
        const OptionsOutcome outcome = ParseOptions(c.arguments);
        EXPECT_EQ(outcome.Options.has_value(), c.error == nullptr) << c.arguments.front();
        EXPECT_EQ(outcome.Error, c.error ? c.error : "") << c.arguments.front();
    }
    const OptionsOutcome single = ParseOptions({"01.01.2000", "12:00", "--correction", "-5", "--longitude", "074:00W"});
    EXPECT_EQ(single.Options->Correction, "-5");
    EXPECT_EQ(single.Options->Longitude, "074:00W");
    EXPECT_TRUE(ParseOptions({"-h"}).Options->Help);
}

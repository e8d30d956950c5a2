// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "FieldText.h"

TEST(FieldText, ParseDecimalAcceptsOnlyPlainIntegers)
{
    struct Case {
        const char *text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"05", 5},   {"-3", -3},  {"+7", 7},          {"0000", 0},         {"2147483647", INT32_MAX},
        {"", {}},    {"-", {}},   {" 5", {}},         {"5 ", {}},          {"5a", {}},
        {"1.5", {}}, {"--1", {}}, {"2147483648", {}}, {"99999999999", {}}, {"0x10", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.value) << "text \"" << c.text << '"';
}

TEST(FieldText, DateMustExist)
{
    EXPECT_FALSE(ReadDateFields("31", "04", "2023"));
    EXPECT_FALSE(ReadDateFields("29", "02", "2023"));
    EXPECT_FALSE(ReadDateFields("29", "02", "1900"));
    EXPECT_FALSE(ReadDateFields("01", "13", "2023"));
    EXPECT_FALSE(ReadDateFields("00", "01", "2023"));
    EXPECT_FALSE(ReadDateFields("01", "01", "0000"));
    EXPECT_FALSE(ReadDateFields("01", "01", ""));
    EXPECT_EQ(ReadDateFields("29", "02", "2024"), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(ReadDateFields("29", "02", "2000"), (CalendarDate{2000, 2, 29}));
    EXPECT_EQ(ReadDateFields("31", "12", "9999"), (CalendarDate{9999, 12, 31}));
}

TEST(FieldText, EveryNumericFieldMustBeANumber)
{
    const FieldTexts good{"06", "12", "2026", "14", "05", "-3", "060", "36", "W"};
    const auto input = ReadChartInput(good);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->Correction, -3);
    EXPECT_EQ(input->LongitudeDegrees, 60);
    EXPECT_EQ(input->Hemisphere, "W");

    for (std::string FieldTexts::*field :
         {&FieldTexts::Day, &FieldTexts::Month, &FieldTexts::Year, &FieldTexts::Hour, &FieldTexts::Minute,
          &FieldTexts::Correction, &FieldTexts::LongitudeDegrees, &FieldTexts::LongitudeMinutes}) {
        FieldTexts bad = good;
        bad.*field = "";
        EXPECT_FALSE(ReadChartInput(bad));
    }
}

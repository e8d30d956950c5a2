// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "FieldRules.h"
#include "InputFields.h"
#include "MainFormFixture.h"
#include "MessageBoxes.h"

namespace {

DateFieldRule RuleOf(InputFields::Field field, const char *completable)
{
    return {SpecOf(field).Width, SpecOf(field).High, QString::fromLatin1(completable)};
}

const DateFieldRule Day = RuleOf(InputFields::Day, "123");
const DateFieldRule Month = RuleOf(InputFields::Month, "1");
const DateFieldRule Year = RuleOf(InputFields::Year, "");

} // namespace

// The one table of the fields' facts, against the designed values.
TEST(InputFields, NamesWidthsRangesSettingsAndDefaults)
{
    struct Known {
        const char *name;
        int width, low, high;
        const char *key, *fallback;
    };
    const Known known[] = {
        {"ClientDay", 2, 1, 31, nullptr, nullptr},    {"ClientMonth", 2, 1, 12, nullptr, nullptr},
        {"ClientYear", 4, 1, 5000, nullptr, nullptr}, {"ClientHour", 2, 0, 23, nullptr, nullptr},
        {"ClientMinute", 2, 0, 59, nullptr, nullptr}, {"ClientTime", 2, -23, 23, "sd", "05"},
        {"ClientDolgotaG", 3, 0, 179, "dg", "060"},   {"ClientDolgotaM", 2, 0, 59, "dm", "36"},
    };
    ASSERT_EQ(std::size(known), InputFieldSpecs.size());
    for (std::size_t i = 0; i < std::size(known); ++i) {
        const InputFieldSpec &spec = InputFieldSpecs[i];
        const Known &k = known[i];
        EXPECT_STREQ(spec.ObjectName, k.name);
        EXPECT_EQ(spec.Width, k.width) << k.name;
        EXPECT_EQ(spec.Low, k.low) << k.name;
        EXPECT_EQ(spec.High, k.high) << k.name;
        EXPECT_STREQ(spec.SettingKey, k.key) << k.name;
        EXPECT_STREQ(spec.Default, k.fallback) << k.name;
    }
}

TEST(FieldRules, KeyFilters)
{
    for (QChar digit : QStringLiteral("0123456789")) {
        EXPECT_EQ(DateTimeKey(digit), KeyDecision::Overtype);
        EXPECT_EQ(PlaceKey(digit), KeyDecision::Overtype);
    }
    EXPECT_EQ(DateTimeKey(QChar(8)), KeyDecision::Pass);
    EXPECT_EQ(PlaceKey(QChar(8)), KeyDecision::Overtype);
    for (QChar other : QStringLiteral("-+ a.,Я\t\x01\x16\x7f")) {
        EXPECT_EQ(DateTimeKey(other), KeyDecision::Discard) << int(other.unicode());
        EXPECT_EQ(PlaceKey(other), KeyDecision::Discard) << int(other.unicode());
    }
}

TEST(FieldRules, DateFieldExit)
{
    struct Case {
        const char *text;
        int caret;
        const DateFieldRule *rule;
        const char *result;
        bool keepFocus;
    };
    const Case cases[] = {
        {"15", 1, &Day, "01", false}, // a lone 1 typed over 15
        {"05", 1, &Day, "05", false}, // 0 typed over 15 keeps the 5
        {"45", 1, &Day, "45", true},  // 4 cannot complete: above the limit
        {"39", 2, &Day, "39", true},      {"7", 1, &Day, "07", false},
        {"", 0, &Day, "20", false}, // start-up text
        {"00", 0, &Day, "20", false},     {"0", 1, &Day, "20", false},
        {"12", 1, &Month, "01", false},   {"13", 2, &Month, "13", true},
        {"2", 1, &Month, "02", false},    {"7", 1, &Year, "0007", false},
        {"5001", 4, &Year, "5001", true}, {"0000", 4, &Year, "0020", false}, // start-up text, then zeros in front
        {"000", 3, &Year, "0020", false},
    };
    for (const Case &c : cases) {
        const ExitResult r = DateFieldExit(c.text, c.caret, "20", *c.rule);
        EXPECT_EQ(r.text, c.result) << c.text << " caret " << c.caret;
        EXPECT_EQ(r.keepFocus, c.keepFocus) << c.text << " caret " << c.caret;
    }
}

TEST(FieldRules, TimeAndPlaceExit)
{
    EXPECT_EQ(TimeFieldExit("", "14", 23).text, "14");
    EXPECT_EQ(TimeFieldExit("0", "14", 23).text, "00");
    EXPECT_EQ(TimeFieldExit("00", "14", 23).text, "00");
    EXPECT_TRUE(TimeFieldExit("24", "14", 23).keepFocus);
    EXPECT_FALSE(TimeFieldExit("59", "14", 59).keepFocus);

    EXPECT_EQ(PlaceFieldExit("3", "05", 2), "03");
    EXPECT_EQ(PlaceFieldExit("", "05", 2), "05");
    EXPECT_EQ(PlaceFieldExit("", "", 3), "");
    EXPECT_EQ(PlaceFieldExit("5", "060", 3), "005");
    EXPECT_EQ(PlaceFieldExit("45", "060", 3), "045");
    EXPECT_EQ(PlaceFieldExit("-5", "05", 2), "-5");
    EXPECT_EQ(PlaceFieldExit("-", "05", 2), "0-"); // never converts, never fails
}

TEST(FieldRules, CutAboveLimitAndKeyUp)
{
    EXPECT_EQ(CutAboveLimit("25", 23), "2");
    EXPECT_EQ(CutAboveLimit("23", 23), "23");
    EXPECT_EQ(CutAboveLimit("180", 179), "18");
    EXPECT_EQ(CutAboveLimit("", 59), "");
    EXPECT_EQ(CutAboveLimit("76", 59), "7");

    EXPECT_EQ(KeyUpRule("", 0, 3), KeyUpAction::None);
    EXPECT_EQ(KeyUpRule("7", 1, 3), KeyUpAction::MoveOn);
    EXPECT_EQ(KeyUpRule("75", 1, 3), KeyUpAction::KeepFirstAndMoveOn);
    EXPECT_EQ(KeyUpRule("25", 2, 3), KeyUpAction::MoveOn);
    EXPECT_EQ(KeyUpRule("25", 1, 3), KeyUpAction::None);
    EXPECT_EQ(KeyUpRule("3", 1, 3), KeyUpAction::None);
    EXPECT_EQ(KeyUpRule("2", 1, 1), KeyUpAction::MoveOn);
}

TEST(FieldRules, SpinSteps)
{
    EXPECT_EQ(SpinStep("31", true, 1, 31, 2), "31");
    EXPECT_EQ(SpinStep("01", false, 1, 31, 2), "01");
    EXPECT_EQ(SpinStep("09", true, 1, 31, 2), "10");
    EXPECT_EQ(SpinStep("0001", false, 1, 5000, 4), "0001");
    EXPECT_EQ(SpinStep("999", true, 1, 5000, 4), "1000");
    EXPECT_EQ(SpinStep("00", false, -23, 23, 2), "-1");
    EXPECT_EQ(SpinStep("-10", false, -23, 23, 2), "-11");
    EXPECT_EQ(SpinStep("-23", false, -23, 23, 2), "-23");
    EXPECT_EQ(SpinStep("-1", true, -23, 23, 2), "00");
    EXPECT_EQ(SpinStep("179", true, 0, 179, 3), "179");
    EXPECT_EQ(SpinStep("9", true, 0, 179, 3), "010");
}

TEST(FieldRules, TextThatIsNotANumberIsReported)
{
    try {
        SpinStep("1a", true, 0, 59, 2);
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(), "'1a' is not a valid integer value");
        EXPECT_EQ(ErrorReportText(error.message()), "'1a' is not a valid integer value.");
    }
    EXPECT_THROW(CutAboveLimit("-", 23), VelmoraError);
    EXPECT_EQ(ErrorReportText("Failed to set data for 'sd'"), "Failed to set data for 'sd'");
    EXPECT_EQ(ErrorReportText(""), "");
    EXPECT_EQ(TypeThroughMinutes(u'4', "36"), "46");
    EXPECT_EQ(TypeThroughMinutes(u'4', ""), "4");
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// The place library against the real city database and the system's zone
// data, from published facts.

#include <gtest/gtest.h>

#include "ActivePlace.h"
#include "CityHit.h"
#include "CityIndex.h"
#include "ClockOffset.h"
#include "LongitudeArc.h"
#include "MessageCatalog.h"
#include "SearchKey.h"

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const LongitudeArc &arc, std::ostream *out)
{
    *out << arc.Degrees << "°" << arc.Minutes << "'" << arc.Hemisphere.toStdString();
}

namespace {

const City *Best(const char *query)
{
    const auto found = CityIndex::Shared().Find(QString::fromUtf8(query), 10);
    return found.empty() ? nullptr : found.front().Place;
}

} // namespace

TEST(CitySearch, RussianAndLatinQueriesFindTheCityWithRussianNames)
{
    struct Case {
        const char *query, *name, *region, *country, *zone;
        LongitudeArc arc;
    };
    const Case cases[] = {
        {"Казань", "Казань", "Республика Татарстан", "Россия", "Europe/Moscow", {49, 7, "E"}},
        {"kazan", "Казань", "Республика Татарстан", "Россия", "Europe/Moscow", {49, 7, "E"}},
        {"новосиб", "Новосибирск", "Новосибирская область", "Россия", "Asia/Novosibirsk", {82, 56, "E"}},
        {"Москва", "Москва", "Москва", "Россия", "Europe/Moscow", {37, 37, "E"}},
        {"shanghai", "Шанхай", "Shanghai Municipality", "Китай", "Asia/Shanghai", {121, 27, "E"}},
        {"Нью-Йорк", "Нью-Йорк", "Нью-Йорк", "США", "America/New_York", {74, 0, "W"}},
    };
    for (const Case &c : cases) {
        const City *city = Best(c.query);
        ASSERT_NE(city, nullptr) << c.query;
        EXPECT_EQ(city->Name, QString::fromUtf8(c.name)) << c.query;
        EXPECT_EQ(city->Region, QString::fromUtf8(c.region)) << c.query;
        EXPECT_EQ(city->Country, QString::fromUtf8(c.country)) << c.query;
        EXPECT_EQ(city->Zone, QByteArray(c.zone)) << c.query;
        EXPECT_EQ(ArcOf(city->Longitude), c.arc) << c.query;
    }
}

TEST(CitySearch, ResultsAreOrderedByMatchThenPopulation)
{
    const QString query = QStringLiteral("к");
    const auto found = CityIndex::Shared().Find(query, 200);
    ASSERT_EQ(found.size(), 200u);
    std::optional<MatchRank> previousRank;
    std::uint32_t previousPopulation = 0;
    for (const CityHit &hit : found) {
        const City *city = hit.Place;
        const auto own = std::min(Match(SearchKey(city->Name), query).value_or(MatchRank::Inside),
                                  Match(SearchKey(city->LatinName), query).value_or(MatchRank::Inside));
        if (hit.OtherName.isEmpty())
            EXPECT_EQ(hit.Rank, own) << city->Label().toStdString();
        else
            EXPECT_LT(hit.Rank, own) << city->Label().toStdString();
        if (previousRank == hit.Rank) {
            EXPECT_LE(city->Population, previousPopulation) << city->Label().toStdString();
        } else if (previousRank) {
            EXPECT_GT(hit.Rank, *previousRank) << city->Label().toStdString();
        }
        previousRank = hit.Rank;
        previousPopulation = city->Population;
    }
}

// The first row of the dialog's list, and whether it is chosen for the user
// (a whole name, an other name or the start of a name); "" when nothing is
// found.
TEST(CitySearch, OtherNamesNamesakesAndWhatIsPreselected)
{
    struct Case {
        const char *query, *first;
        bool likely;
    };
    const Case cases[] = {
        {"ленинград", "Ленинград → Санкт-Петербург, Россия", true},
        {"Петроград", "Петроград → Санкт-Петербург, Россия", true},
        {"питер", "Питер → Санкт-Петербург, Россия", true},
        {"Leningrad", "Leningrad → Санкт-Петербург, Россия", true},
        {"Свердловск", "Свердловск → Екатеринбург, Свердловская область, Россия", true},
        {"Калинин", "Калинин → Тверь, Тверская область, Россия", true},
        {"Горький", "Горький → Нижний Новгород, Нижегородская область, Россия", true},
        {"куйбышев", "Куйбышев → Самара, Самарская область, Россия", true},
        {"Алма-Ата", "Алма-Ата → Алматы, Казахстан", true},
        {"алма ата", "Алма-Ата → Алматы, Казахстан", true},
        {"Фрунзе", "Фрунзе → Бишкек, Киргизия", true},
        {"калькутта", "Калькутта → Колката, Западная Бенгалия, Индия", true},
        {"Бомбей", "Бомбей → Мумбаи, Махараштра, Индия", true},
        {"Мадрас", "Мадрас → Ченнаи, Тамилнад, Индия", true},
        {"Kiev", "Kiev → Киев, Украина", true},
        {"Київ", "Київ → Киев, Украина", true},
        {"Moskva", "Moskva → Москва, Россия", true},
        {"Тифлис", "Тифлис → Тбилиси, T'bilisi, Грузия", true},
        {"Кёнигсберг", "Кёнигсберг → Калининград, Калининградская область, Россия", true},
        // The start of a name, of an other name, of a word, and inside one.
        {"ленинградск", "Ленинградская, Краснодарский край, Россия", true},
        {"свердл", "Свердловск → Екатеринбург, Свердловская область, Россия", true},
        {"тагил", "Нижний Тагил, Свердловская область, Россия", false},
        {"инградск", "Ленинградская, Краснодарский край, Россия", false},
        // Namesakes: the largest, or the one of the region or country named.
        {"Москва", "Москва, Россия", true},
        {"Москва, США", "Москва, Айдахо, США", true},
        {"москва, айд", "Москва, Айдахо, США", true},
        {"Заречный, Свердловская", "Заречный, Свердловская область, Россия", true},
        {"Заречный", "Заречный, Пензенская область, Россия (53.20° с. ш., 45.19° в. д.)", true},
        {"Москва, Франция", "", false},
        {"Ыыщщжж", "", false},
    };
    for (const Case &c : cases) {
        const auto found = CityIndex::Shared().Find(QString::fromUtf8(c.query), 100);
        const QStringList texts = HitTexts(found);
        EXPECT_EQ(texts.value(0), QString::fromUtf8(c.first)) << c.query;
        EXPECT_EQ(!found.empty() && found.front().Likely(), c.likely) << c.query;
    }
}

TEST(CitySearch, QueriesThatFindNothing)
{
    const CityIndex &index = CityIndex::Shared();
    EXPECT_GT(index.Size(), 20000u);
    EXPECT_TRUE(index.Find(QStringLiteral("Ыыщщжж"), 10).empty());
    EXPECT_TRUE(index.Find(QString(), 10).empty());
    EXPECT_TRUE(index.Find(QStringLiteral("  -’ "), 10).empty());
    EXPECT_TRUE(index.Find(QString(1000, u'к'), 10).empty());
    EXPECT_TRUE(index.Find(QStringLiteral("Казань"), 0).empty());
}

TEST(SearchKeys, FoldCaseMarksApostrophesAndHyphens)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Kazan’", "kazan"},  {"Ростов-на-Дону", "ростов на дону"},
        {"Ёлкино", "елкино"}, {"  São   Paulo ", "sao paulo"},
        {"KRAKÓW", "krakow"},
    };
    for (const auto &[text, key] : cases)
        EXPECT_EQ(SearchKey(QString::fromUtf8(text)), QString::fromUtf8(key)) << text;

    const QString name = QStringLiteral("ростов на дону");
    EXPECT_EQ(Match(name, name), MatchRank::Whole);
    EXPECT_EQ(Match(name, QStringLiteral("рост")), MatchRank::Start);
    EXPECT_EQ(Match(name, QStringLiteral("дон")), MatchRank::WordStart);
    EXPECT_EQ(Match(name, QStringLiteral("остов")), MatchRank::Inside);
    EXPECT_EQ(Match(name, QStringLiteral("москва")), std::nullopt);
    EXPECT_EQ(Match(name, QString()), std::nullopt);
}

TEST(MessageCatalogs, MissingFileIsEmpty)
{
    EXPECT_EQ(MessageCatalog::Load(QStringLiteral("/nonexistent/geonames.mo")).Size(), 0);
    EXPECT_EQ(MessageCatalog::Load(QStringLiteral("/etc/hostname")).Size(), 0);
}

TEST(ClockOffsets, PublishedOffsetsOfTheClock)
{
    using Kind = ClockOffset::Kind;
    struct Case {
        const char *zone;
        QDate date;
        QTime time;
        Kind kind;
        std::vector<int> seconds;
    };
    const int h = 3600;
    const Case cases[] = {
        // Soviet summer time; all-year "summer" time 2011-2014; back to +3.
        {"Europe/Moscow", {1985, 7, 15}, {10, 0}, Kind::Whole, {4 * h}},
        {"Europe/Moscow", {1985, 1, 15}, {10, 0}, Kind::Whole, {3 * h}},
        {"Europe/Moscow", {2012, 1, 15}, {10, 0}, Kind::Whole, {4 * h}},
        {"Europe/Moscow", {2015, 1, 15}, {10, 0}, Kind::Whole, {3 * h}},
        // China's summer time of 1986-1991.
        {"Asia/Shanghai", {1988, 7, 15}, {10, 0}, Kind::Whole, {9 * h}},
        {"Asia/Shanghai", {1995, 7, 15}, {10, 0}, Kind::Whole, {8 * h}},
        {"America/New_York", {1985, 1, 15}, {10, 0}, Kind::Whole, {-5 * h}},
        {"Asia/Kolkata", {1985, 7, 15}, {10, 0}, Kind::NotWhole, {5 * h + 1800}},
        // Moscow mean time until 1916.
        {"Europe/Moscow", {1915, 7, 15}, {10, 0}, Kind::NotWhole, {2 * h + 30 * 60 + 17}},
        // 31 March 1985, 2:00 -> 3:00; 29 September 1985, 3:00 -> 2:00.
        {"Europe/Moscow", {1985, 3, 31}, {2, 30}, Kind::Skipped, {3 * h, 4 * h}},
        {"Europe/Moscow", {1985, 3, 31}, {3, 0}, Kind::Whole, {4 * h}},
        {"Europe/Moscow", {1985, 9, 29}, {2, 30}, Kind::Doubled, {4 * h, 3 * h}},
        {"Europe/Moscow", {1985, 9, 29}, {3, 0}, Kind::Whole, {3 * h}},
        {"Nowhere/Atlantis", {1985, 7, 15}, {10, 0}, Kind::UnknownZone, {}},
        {"", {1985, 7, 15}, {10, 0}, Kind::UnknownZone, {}},
        // Only zone names: no path reaches the zone reader.
        {"/etc/localtime", {1985, 7, 15}, {10, 0}, Kind::UnknownZone, {}},
        {"../zoneinfo/Europe/Moscow", {1985, 7, 15}, {10, 0}, Kind::UnknownZone, {}},
        {"Etc/GMT-3", {1985, 7, 15}, {10, 0}, Kind::Whole, {3 * h}},
        {"UTC", {1985, 7, 15}, {10, 0}, Kind::Whole, {0}},
    };
    for (const Case &c : cases) {
        const ClockOffset offset = OffsetAt(c.zone, c.date, c.time);
        const std::string name = std::string(c.zone) + " " + c.date.toString(Qt::ISODate).toStdString() + " "
            + c.time.toString().toStdString();
        EXPECT_EQ(offset.Type, c.kind) << name;
        EXPECT_EQ(offset.Seconds, c.seconds) << name;
    }
}

// Only the zone database's names are zones; abbreviations, city names and
// POSIX rules are not, whatever Qt would make of them.
TEST(ClockOffsets, OnlyNamesTheZoneDatabaseListsAreZones)
{
    const std::pair<const char *, bool> cases[] = {
        {"Europe/Moscow", true}, {"Asia/Kolkata", true},
        {"Asia/Calcutta", true}, {"Etc/GMT-3", true},
        {"UTC", true},           {"Europe/Kiev", true},
        {"MSK", false},          {"IST", false},
        {"Moscow", false},       {"Kazan", false},
        {"Europe", false},       {"FOO", false},
        {"MSK3", false},         {"MSK-3", false},
        {"XYZ-99", false},       {"/etc/localtime", false},
        {"../x", false},         {"", false},
        {"localtime", false},    {"posixrules", false},
    };
    for (const auto &[zone, known] : cases)
        EXPECT_EQ(OffsetAt(zone, {1985, 7, 15}, {10, 0}).Type != ClockOffset::Kind::UnknownZone, known) << zone;
    EXPECT_EQ(OffsetAt(QByteArray(200, 'A'), {1985, 7, 15}, {10, 0}).Type, ClockOffset::Kind::UnknownZone);
}

TEST(ClockOffsets, Texts)
{
    const std::pair<int, const char *> cases[] = {
        {4 * 3600, "+4"}, {-3 * 3600, "-3"}, {0, "+0"}, {19800, "+5:30"}, {-34200, "-9:30"}, {9017, "+2:30:17"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(OffsetText(seconds), QString::fromUtf8(text)) << seconds;
    EXPECT_EQ(OffsetsText({4 * 3600, 3 * 3600}, QStringLiteral(" или ")), QStringLiteral("+4 или +3"));
}

// A city's place takes each moment's offset from its zone; an exact
// correction is one offset at every moment and needs no time. Kazan kept
// Moscow time in 1985: +3 in winter, +4 in summer.
TEST(ActivePlaces, OffsetsCaptionsAndStoredValues)
{
    const ActivePlace kazan(QStringLiteral("Казань, Республика Татарстан, Россия"), "Europe/Moscow");
    const ActivePlace exact = ActivePlace::OfOffset(19800);
    const struct {
        const ActivePlace &place;
        QDate date;
        std::optional<QTime> time;
        std::optional<ClockOffset::Kind> kind;
        int seconds;
    } cases[] = {
        {kazan, {1985, 1, 15}, QTime(10, 0), ClockOffset::Kind::Whole, 3 * 3600},
        {kazan, {1985, 7, 15}, QTime(10, 0), ClockOffset::Kind::Whole, 4 * 3600},
        {kazan, {1985, 7, 15}, std::nullopt, std::nullopt, 0},
        {exact, {1985, 7, 15}, std::nullopt, ClockOffset::Kind::NotWhole, 19800},
        {exact, {2024, 1, 1}, QTime(0, 0), ClockOffset::Kind::NotWhole, 19800},
    };
    for (const auto &c : cases) {
        const std::optional<ClockOffset> found = c.place.OffsetAt(c.date, c.time);
        ASSERT_EQ(found.has_value(), c.kind.has_value())
            << c.place.Label().toStdString() << c.date.toString().toStdString();
        if (found) {
            EXPECT_EQ(found->Type, *c.kind);
            EXPECT_EQ(found->Seconds, std::vector<int>{c.seconds});
        }
    }

    ActivePlace moscow(QStringLiteral("Москва, Россия"), "Europe/Moscow");
    moscow.Take(9017);
    EXPECT_EQ(moscow.Caption(), QStringLiteral("Москва, +2:30:17, местное время"));
    moscow.Take(4 * 3600);
    EXPECT_EQ(moscow.Caption(), QStringLiteral("Москва, +4"));
    EXPECT_EQ(exact.Caption(), QStringLiteral("Поправка, +5:30"));

    // Kept and read back by name; a zone the system does not know, or no
    // place, restores nothing.
    const auto restored = [](const ActivePlace::StoredValues &values) {
        return ActivePlace::Restored([&values](const QString &name) {
            for (const auto &[key, text] : values)
                if (key == name)
                    return text;
            return QString();
        });
    };
    const std::optional<ActivePlace> back = restored(ActivePlace::ToStore(kazan));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Label(), kazan.Label());
    EXPECT_EQ(back->Zone(), QByteArray("Europe/Moscow"));
    EXPECT_FALSE(restored(ActivePlace::ToStore(exact)));
    EXPECT_FALSE(restored(ActivePlace::ToStore(ActivePlace(QStringLiteral("Атлантида"), "Atlantis/Capital"))));
    EXPECT_EQ(ActivePlace::ToStore(std::nullopt),
              (ActivePlace::StoredValues{{QStringLiteral("place"), QString()}, {QStringLiteral("zone"), QString()}}));
}

TEST(LongitudeArcs, NearestMinuteAndHemisphere)
{
    const std::pair<double, LongitudeArc> cases[] = {
        {49.12214, {49, 7, "E"}},           {-74.00597, {74, 0, "W"}},   {10.0 + 59.5 / 60, {11, 0, "E"}},
        {10.0 + 59.49 / 60, {10, 59, "E"}}, {-0.004, {0, 0, "E"}},       {0.0, {0, 0, "E"}},
        {179.999, {179, 59, "E"}},          {-179.9999, {179, 59, "W"}},
    };
    for (const auto &[longitude, arc] : cases)
        EXPECT_EQ(ArcOf(longitude), arc) << longitude;
}

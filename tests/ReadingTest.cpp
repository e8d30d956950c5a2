// SPDX-License-Identifier: AGPL-3.0-or-later
// The reading of a chart from the published tables, typed here once: hidden
// stems, ten gods, twelve stages, melodies and voids over all their inputs;
// relations and stars on charts worked by hand; the text of one real chart.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "Chart.h"
#include "Reading.h"
#include "ReadingText.h"

namespace {

enum : std::int32_t { Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, Rooster, Dog, Pig };
enum : std::int32_t { Jia, Yi, Bing, Ding, Wu, Ji, Geng, Xin, Ren, Gui };

std::vector<std::string> Names(const std::vector<std::int32_t> &stems)
{
    std::vector<std::string> names;
    for (std::int32_t stem : stems)
        names.push_back(StemName(stem));
    return names;
}

} // namespace

TEST(Reading, HiddenStemsMainFirst)
{
    const std::vector<std::vector<std::string>> rows{
        {"Крыса", "Инь Вода"},
        {"Бык", "Инь Земля", "Инь Вода", "Инь Металл"},
        {"Тигр", "Ян Дерево", "Ян Огонь", "Ян Земля"},
        {"Кролик", "Инь Дерево"},
        {"Дракон", "Ян Земля", "Инь Дерево", "Инь Вода"},
        {"Змея", "Ян Огонь", "Ян Металл", "Ян Земля"},
        {"Лошадь", "Инь Огонь", "Инь Земля"},
        {"Коза", "Инь Земля", "Инь Огонь", "Инь Дерево"},
        {"Обезьяна", "Ян Металл", "Ян Вода", "Ян Земля"},
        {"Петух", "Инь Металл"},
        {"Собака", "Ян Земля", "Инь Металл", "Инь Огонь"},
        {"Свинья", "Ян Вода", "Ян Дерево"},
    };
    for (std::int32_t branch = 0; branch < 12; ++branch) {
        EXPECT_EQ(BranchName(branch), rows[branch][0]);
        EXPECT_EQ(Names(HiddenStems(branch)), std::vector(rows[branch].begin() + 1, rows[branch].end())) << branch;
    }
}

// Rows: the day master from Ян Дерево; columns: the other stem.
TEST(Reading, TenGodsOfEveryStemAgainstEveryMaster)
{
    const std::map<std::string, std::string> god{
        {"Др", "Друг"},
        {"Со", "Соперник"},
        {"БЕ", "Бог еды"},
        {"РЧ", "Ранящий чиновник"},
        {"КБ", "Косвенное богатство"},
        {"ПБ", "Прямое богатство"},
        {"СУ", "Семь убийств"},
        {"ПЧ", "Прямой чиновник"},
        {"КР", "Косвенный ресурс"},
        {"ПР", "Прямой ресурс"},
    };
    const char *const grid[10][10] = {
        {"Др", "Со", "БЕ", "РЧ", "КБ", "ПБ", "СУ", "ПЧ", "КР", "ПР"},
        {"Со", "Др", "РЧ", "БЕ", "ПБ", "КБ", "ПЧ", "СУ", "ПР", "КР"},
        {"КР", "ПР", "Др", "Со", "БЕ", "РЧ", "КБ", "ПБ", "СУ", "ПЧ"},
        {"ПР", "КР", "Со", "Др", "РЧ", "БЕ", "ПБ", "КБ", "ПЧ", "СУ"},
        {"СУ", "ПЧ", "КР", "ПР", "Др", "Со", "БЕ", "РЧ", "КБ", "ПБ"},
        {"ПЧ", "СУ", "ПР", "КР", "Со", "Др", "РЧ", "БЕ", "ПБ", "КБ"},
        {"КБ", "ПБ", "СУ", "ПЧ", "КР", "ПР", "Др", "Со", "БЕ", "РЧ"},
        {"ПБ", "КБ", "ПЧ", "СУ", "ПР", "КР", "Со", "Др", "РЧ", "БЕ"},
        {"БЕ", "РЧ", "КБ", "ПБ", "СУ", "ПЧ", "КР", "ПР", "Др", "Со"},
        {"РЧ", "БЕ", "ПБ", "КБ", "ПЧ", "СУ", "ПР", "КР", "Со", "Др"},
    };
    for (std::int32_t master = 0; master < 10; ++master)
        for (std::int32_t stem = 0; stem < 10; ++stem)
            EXPECT_EQ(GodName(GodOf(master, stem)), god.at(grid[master][stem])) << master << " " << stem;
}

// Rows: the day master from Ян Дерево; columns: branches from Крыса.
TEST(Reading, TwelveStagesOfEveryMasterAtEveryBranch)
{
    const std::map<std::string, std::string> stage{
        {"Рож", "Рождение"}, {"Омо", "Омовение"},    {"Поя", "Пояс"},    {"Дол", "Должность"},
        {"Рас", "Расцвет"},  {"Упа", "Упадок"},      {"Бол", "Болезнь"}, {"Сме", "Смерть"},
        {"Мог", "Могила"},   {"Пре", "Прекращение"}, {"Зач", "Зачатие"}, {"Вск", "Вскармливание"},
    };
    const char *const grid[10][12] = {
        {"Омо", "Поя", "Дол", "Рас", "Упа", "Бол", "Сме", "Мог", "Пре", "Зач", "Вск", "Рож"},
        {"Бол", "Упа", "Рас", "Дол", "Поя", "Омо", "Рож", "Вск", "Зач", "Пре", "Мог", "Сме"},
        {"Зач", "Вск", "Рож", "Омо", "Поя", "Дол", "Рас", "Упа", "Бол", "Сме", "Мог", "Пре"},
        {"Пре", "Мог", "Сме", "Бол", "Упа", "Рас", "Дол", "Поя", "Омо", "Рож", "Вск", "Зач"},
        {"Зач", "Вск", "Рож", "Омо", "Поя", "Дол", "Рас", "Упа", "Бол", "Сме", "Мог", "Пре"},
        {"Пре", "Мог", "Сме", "Бол", "Упа", "Рас", "Дол", "Поя", "Омо", "Рож", "Вск", "Зач"},
        {"Сме", "Мог", "Пре", "Зач", "Вск", "Рож", "Омо", "Поя", "Дол", "Рас", "Упа", "Бол"},
        {"Рож", "Вск", "Зач", "Пре", "Мог", "Сме", "Бол", "Упа", "Рас", "Дол", "Поя", "Омо"},
        {"Рас", "Упа", "Бол", "Сме", "Мог", "Пре", "Зач", "Вск", "Рож", "Омо", "Поя", "Дол"},
        {"Дол", "Поя", "Омо", "Рож", "Вск", "Зач", "Пре", "Мог", "Сме", "Бол", "Упа", "Рас"},
    };
    for (std::int32_t master = 0; master < 10; ++master)
        for (std::int32_t branch = 0; branch < 12; ++branch)
            EXPECT_EQ(StageName(StageOf(master, branch)), stage.at(grid[master][branch])) << master << " " << branch;
}

// Each melody with the first sign of its pair; the second is one stem and
// one branch on.
TEST(Reading, MelodiesOfAllSixtyPairs)
{
    const std::pair<Sign, const char *> rows[] = {
        {{Jia, Rat}, "Металл в море"},
        {{Bing, Tiger}, "Огонь в печи"},
        {{Wu, Dragon}, "Дерево большого леса"},
        {{Geng, Horse}, "Земля у дороги"},
        {{Ren, Monkey}, "Металл острия меча"},
        {{Jia, Dog}, "Огонь на вершине горы"},
        {{Bing, Rat}, "Вода в горном ручье"},
        {{Wu, Tiger}, "Земля городской стены"},
        {{Geng, Dragon}, "Металл белого воска"},
        {{Ren, Horse}, "Дерево ивы"},
        {{Jia, Monkey}, "Вода источника"},
        {{Bing, Dog}, "Земля на крыше"},
        {{Wu, Rat}, "Огонь молнии"},
        {{Geng, Tiger}, "Дерево сосны и кипариса"},
        {{Ren, Dragon}, "Вода долгой реки"},
        {{Jia, Horse}, "Металл в песке"},
        {{Bing, Monkey}, "Огонь под горой"},
        {{Wu, Dog}, "Дерево равнины"},
        {{Geng, Rat}, "Земля на стене"},
        {{Ren, Tiger}, "Металл золотой фольги"},
        {{Jia, Dragon}, "Огонь лампы"},
        {{Bing, Horse}, "Вода небесной реки"},
        {{Wu, Monkey}, "Земля большой дороги"},
        {{Geng, Dog}, "Металл украшений"},
        {{Ren, Rat}, "Дерево шелковицы"},
        {{Jia, Tiger}, "Вода большого ручья"},
        {{Bing, Dragon}, "Земля в песке"},
        {{Wu, Horse}, "Огонь в небе"},
        {{Geng, Monkey}, "Дерево граната"},
        {{Ren, Dog}, "Вода океана"},
    };
    std::set<std::int32_t> positions;
    for (const auto &[first, name] : rows) {
        const Sign second{first.Stem + 1, first.Branch + 1};
        EXPECT_EQ(NayinName(NayinOf(first)), name) << first.Stem << " " << first.Branch;
        EXPECT_EQ(NayinName(NayinOf(second)), name) << second.Stem << " " << second.Branch;
        positions.insert({SignPosition(first), SignPosition(second)});
    }
    EXPECT_EQ(positions.size(), 60u);
}

// The ten signs of each decade, from its Ян Дерево sign.
TEST(Reading, VoidsOfAllSixDecades)
{
    const std::pair<std::int32_t, std::array<std::int32_t, 2>> decades[] = {
        {Rat, {Dog, Pig}},        {Dog, {Monkey, Rooster}},  {Monkey, {Horse, Goat}},
        {Horse, {Dragon, Snake}}, {Dragon, {Tiger, Rabbit}}, {Tiger, {Rat, Ox}},
    };
    for (const auto &[start, empty] : decades)
        for (std::int32_t k = 0; k < 10; ++k) {
            const Sign sign{k, (start + k) % 12};
            EXPECT_EQ(VoidOf(sign), empty) << sign.Stem << " " << sign.Branch;
        }
}

namespace {

// The relations and the stars lines of the text of a reading.
std::pair<std::string, std::string> RelationsAndStars(const ChartSigns &signs)
{
    const std::vector<std::string> lines = ReadingLines(ReadChart(signs));
    return {lines.at(7), lines.at(8)};
}

} // namespace

TEST(Reading, RelationsAndStarsOfHandWorkedCharts)
{
    struct Case {
        const char *name;
        ChartSigns signs; // hour, day, month, year
        const char *relations;
        const char *stars;
    };
    const Case cases[] = {
        {"water union, dragon punishes itself, stars of branches",
         {{Ren, Monkey}, {Jia, Rat}, {Geng, Dragon}, {Geng, Dragon}},
         "Связи: Наказание (Месяц, Год); Тройственный союз (Час, День, Месяц, Год); Столкновение стволов (День, "
         "Месяц); Столкновение стволов (День, Год)",
         "Звёзды: Великолепный зонт от ветви года (Месяц); Великолепный зонт от ветви дня (Месяц, Год); Генерал от "
         "ветви года (День); Небесная добродетель от ветви месяца (Час); Лунная добродетель от ветви месяца (Час)"},
        {"half fire union, horse punishes itself, stars of stems",
         {{Jia, Horse}, {Bing, Horse}, {Yi, Snake}, {Ren, Tiger}},
         "Связи: Вред (Месяц, Год); Наказание (Час, День); Наказание (Месяц, Год); Половина союза (Час, День, Год); "
         "Столкновение стволов (День, Год)",
         "Звёзды: Благородный человек от ствола года (Месяц); Процветание от ствола дня (Месяц); Клинок от ствола дня "
         "(Час, День); Генерал от ветви года (Час, День); Генерал от ветви дня (Час)"},
        {"rat and rabbit, a branch-valued heavenly virtue",
         {{Ji, Snake}, {Jia, Tiger}, {Bing, Rat}, {Ding, Rabbit}},
         "Связи: Вред (Час, День); Наказание (Час, День); Наказание (Месяц, Год); Слияние стволов (Час, День)",
         "Звёзды: Академик от ствола дня (Час); Процветание от ствола дня (День); Клинок от ствола дня (Год); Ямская "
         "лошадь от ветви года (Час); Цветок любви от ветви года (Месяц); Цветок любви от ветви дня (Год); Небесная "
         "добродетель от ветви месяца (Час)"},
        {"spring gathering",
         {{Wu, Tiger}, {Yi, Rabbit}, {Geng, Dragon}, {Jia, Dragon}},
         "Связи: Вред (День, Месяц); Вред (День, Год); Наказание (Месяц, Год); Сезонное собрание (Час, День, Месяц, "
         "Год); Слияние стволов (День, Месяц); Столкновение стволов (Месяц, Год)",
         "Звёзды: Процветание от ствола дня (День); Ямская лошадь от ветви года (Час); Великолепный зонт от ветви "
         "года (Месяц)"},
        {"nothing", {{Jia, Monkey}, {Jia, Monkey}, {Jia, Monkey}, {Jia, Monkey}}, "Связи: нет", "Звёзды: нет"},
    };
    for (const Case &c : cases) {
        const auto [relations, stars] = RelationsAndStars(c.signs);
        // The lines again as they are, since the comparison shows them escaped.
        EXPECT_EQ(relations, c.relations) << c.name << "\n" << relations;
        EXPECT_EQ(stars, c.stars) << c.name << "\n" << stars;
    }
}

// The ox and the goat are both зем, the dragon and the dog both ЗЕМ: the
// two charts show the same tokens and read differently.
TEST(Reading, SameTokensDifferentReadings)
{
    const ChartSigns ox{{Jia, Rat}, {Ji, Ox}, {Wu, Dragon}, {Geng, Monkey}};
    const ChartSigns goat{{Jia, Rat}, {Ji, Goat}, {Wu, Dog}, {Geng, Monkey}};
    for (PillarName p : PillarNames)
        EXPECT_EQ(TokensOf(SignOf(ox, p)), TokensOf(SignOf(goat, p)));
    EXPECT_EQ(RelationsAndStars(ox),
              (std::pair<std::string, std::string>{
                  "Связи: Соединение (Час, День); Тройственный союз (Час, Месяц, Год); Слияние стволов (Час, День); "
                  "Столкновение стволов (Час, Год)",
                  "Звёзды: Благородный человек от ствола дня (Час, Год); Благородный человек от ствола года (День); "
                  "Великолепный зонт от ветви года (Месяц); Генерал от ветви года (Час)"}));
    EXPECT_EQ(RelationsAndStars(goat),
              (std::pair<std::string, std::string>{
                  "Связи: Вред (Час, День); Наказание (День, Месяц); Половина союза (Час, Год); Слияние стволов (Час, "
                  "День); Столкновение стволов (Час, Год)",
                  "Звёзды: Благородный человек от ствола дня (Час, Год); Благородный человек от ствола года (День); "
                  "Цветок любви от ветви дня (Час); Генерал от ветви года (Час)"}));
}

// 15.07.1985 10:00 in Kazan (UT+4 that summer, 49°07' E): 辛巳 hour, 乙卯 day,
// 癸未 month, 乙丑 year, worked out by hand from the rules.
TEST(Reading, TextOfARealChart)
{
    const ChartOutcome outcome = ComputeChart({15, 7, 1985, 10, 0, 4, 49, 7, "E"});
    ASSERT_TRUE(outcome.Details);
    const std::vector<std::string> expected{
        "Разбор карты",
        "Господин дня: Инь Дерево",
        "Час: мет Инь Металл, Семь убийств; ого Змея; скрытые: ОГО Ян Огонь (Ранящий чиновник), МЕТ Ян Металл (Прямой "
        "чиновник), ЗЕМ Ян Земля (Прямое богатство); Омовение; Металл белого воска",
        "День: дер Инь Дерево; дер Кролик; скрытые: дер Инь Дерево (Друг); Должность; Вода большого ручья",
        "Месяц: вод Инь Вода, Косвенный ресурс; зем Коза; скрытые: зем Инь Земля (Косвенное богатство), ого Инь Огонь "
        "(Бог еды), дер Инь Дерево (Друг); Вскармливание; Дерево ивы",
        "Год: дер Инь Дерево, Друг; зем Бык; скрытые: зем Инь Земля (Косвенное богатство), вод Инь Вода (Косвенный "
        "ресурс), мет Инь Металл (Семь убийств); Упадок; Металл в море; пустота",
        "Пустота дня: Крыса, Бык; года: Собака, Свинья",
        "Связи: Столкновение (Месяц, Год); Наказание (Месяц, Год); Половина союза (День, Месяц); Столкновение "
        "стволов (Час, День); Столкновение стволов (Час, Год)",
        "Звёзды: Процветание от ствола дня (День); Ямская лошадь от ветви дня (Час); Великолепный зонт от ветви дня "
        "(Месяц)",
        "Стихии: Дерево 3, Огонь 1, Земля 2, Металл 1, Вода 1; в скрытых: Дерево 2, Огонь 2, Земля 3, Металл 2, "
        "Вода 1",
    };
    const std::vector<std::string> lines = ReadingLines(ReadChart(SignsOf(*outcome.Details)));
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i << ":\n" << lines[i];
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// The reading of a chart from the published tables, typed here once: hidden
// stems, ten gods, twelve stages, melodies and voids over all their inputs.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "Reading.h"

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

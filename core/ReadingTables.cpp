// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ReadingTables.h"

namespace ReadingTables {

namespace {

// Branch indexes by name, so that the tables read as they are taught.
enum : std::int32_t { Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, Rooster, Dog, Pig };
// Stem indexes: yang and yin of wood, fire, earth, metal, water.
enum : std::int32_t { WoodY, WoodI, FireY, FireI, EarthY, EarthI, MetalY, MetalI, WaterY, WaterI };

} // namespace

const std::array<const char *, 10> StemNames{"Ян Дерево", "Инь Дерево", "Ян Огонь",   "Инь Огонь", "Ян Земля",
                                             "Инь Земля", "Ян Металл",  "Инь Металл", "Ян Вода",   "Инь Вода"};
const std::array<const char *, 12> BranchNames{"Крыса",  "Бык",  "Тигр",     "Кролик", "Дракон", "Змея",
                                               "Лошадь", "Коза", "Обезьяна", "Петух",  "Собака", "Свинья"};
const std::array<const char *, 5> ElementNames{"Дерево", "Огонь", "Земля", "Металл", "Вода"};
const std::array<const char *, 10> GodNames{"Друг",
                                            "Соперник",
                                            "Бог еды",
                                            "Ранящий чиновник",
                                            "Косвенное богатство",
                                            "Прямое богатство",
                                            "Семь убийств",
                                            "Прямой чиновник",
                                            "Косвенный ресурс",
                                            "Прямой ресурс"};
const std::array<const char *, 12> StageNames{"Рождение", "Омовение",    "Пояс",    "Должность",
                                              "Расцвет",  "Упадок",      "Болезнь", "Смерть",
                                              "Могила",   "Прекращение", "Зачатие", "Вскармливание"};
const std::array<const char *, 30> NayinNames{"Металл в море",        "Огонь в печи",
                                              "Дерево большого леса", "Земля у дороги",
                                              "Металл острия меча",   "Огонь на вершине горы",
                                              "Вода в горном ручье",  "Земля городской стены",
                                              "Металл белого воска",  "Дерево ивы",
                                              "Вода источника",       "Земля на крыше",
                                              "Огонь молнии",         "Дерево сосны и кипариса",
                                              "Вода долгой реки",     "Металл в песке",
                                              "Огонь под горой",      "Дерево равнины",
                                              "Земля на стене",       "Металл золотой фольги",
                                              "Огонь лампы",          "Вода небесной реки",
                                              "Земля большой дороги", "Металл украшений",
                                              "Дерево шелковицы",     "Вода большого ручья",
                                              "Земля в песке",        "Огонь в небе",
                                              "Дерево граната",       "Вода океана"};
const std::array<const char *, 9> RelationNames{"Столкновение",      "Соединение",        "Вред",
                                                "Наказание",         "Тройственный союз", "Половина союза",
                                                "Сезонное собрание", "Слияние стволов",   "Столкновение стволов"};
const std::array<const char *, 10> StarNames{
    "Благородный человек",  "Академик",          "Процветание",       "Клинок",
    "Ямская лошадь",        "Цветок любви",      "Великолепный зонт", "Генерал",
    "Небесная добродетель", "Лунная добродетель"};

const std::array<std::vector<std::int32_t>, 12> HiddenStems{{
    {WaterI},                 // Rat
    {EarthI, WaterI, MetalI}, // Ox
    {WoodY, FireY, EarthY},   // Tiger
    {WoodI},                  // Rabbit
    {EarthY, WoodI, WaterI},  // Dragon
    {FireY, MetalY, EarthY},  // Snake
    {FireI, EarthI},          // Horse
    {EarthI, FireI, WoodI},   // Goat
    {MetalY, WaterY, EarthY}, // Monkey
    {MetalI},                 // Rooster
    {EarthY, MetalI, FireI},  // Dog
    {WaterY, WoodY},          // Pig
}};

const std::array<std::int32_t, 10> BirthBranches{Pig,     Horse, Tiger, Rooster, Tiger,
                                                 Rooster, Snake, Rat,   Monkey,  Rabbit};

const Pairs BranchClashes{{Rat, Horse}, {Ox, Goat}, {Tiger, Monkey}, {Rabbit, Rooster}, {Dragon, Dog}, {Snake, Pig}};
const Pairs BranchCombinations{{Rat, Ox},         {Tiger, Pig},    {Rabbit, Dog},
                               {Dragon, Rooster}, {Snake, Monkey}, {Horse, Goat}};
const Pairs BranchHarms{{Rat, Goat}, {Ox, Horse}, {Tiger, Snake}, {Rabbit, Dragon}, {Monkey, Pig}, {Rooster, Dog}};
const Pairs BranchPunishments{{Tiger, Snake}, {Snake, Monkey},    {Monkey, Tiger}, {Ox, Dog},
                              {Dog, Goat},    {Goat, Ox},         {Rat, Rabbit},   {Dragon, Dragon},
                              {Horse, Horse}, {Rooster, Rooster}, {Pig, Pig}};
const Pairs StemCombinations{{WoodY, EarthI}, {WoodI, MetalY}, {FireY, MetalI}, {FireI, WaterY}, {EarthY, WaterI}};
const Pairs StemClashes{{WoodY, MetalY}, {WoodI, MetalI}, {FireY, WaterY}, {FireI, WaterI}};

const std::array<std::array<std::int32_t, 3>, 4> Triples{{
    {Monkey, Rat, Dragon},
    {Pig, Rabbit, Goat},
    {Tiger, Horse, Dog},
    {Snake, Rooster, Ox},
}};
const std::array<std::array<std::int32_t, 3>, 4> Seasons{{
    {Tiger, Rabbit, Dragon},
    {Snake, Horse, Goat},
    {Monkey, Rooster, Dog},
    {Pig, Rat, Ox},
}};

const std::array<std::array<std::int32_t, 2>, 10> Nobleman{{
    {Ox, Goat},      // WoodY
    {Rat, Monkey},   // WoodI
    {Pig, Rooster},  // FireY
    {Pig, Rooster},  // FireI
    {Ox, Goat},      // EarthY
    {Rat, Monkey},   // EarthI
    {Ox, Goat},      // MetalY
    {Tiger, Horse},  // MetalI
    {Snake, Rabbit}, // WaterY
    {Snake, Rabbit}, // WaterI
}};
const std::array<std::int32_t, 10> Academic{Snake, Horse, Monkey, Rooster, Monkey, Rooster, Pig, Rat, Tiger, Rabbit};
const std::array<std::int32_t, 10> Prosperity{Tiger, Rabbit, Snake, Horse, Snake, Horse, Monkey, Rooster, Pig, Rat};
const std::array<std::int32_t, 10> Blade{Rabbit, -1, Horse, -1, Horse, -1, Rooster, -1, Rat, -1};

// By union: Monkey-Rat-Dragon, Pig-Rabbit-Goat, Tiger-Horse-Dog, Snake-Rooster-Ox.
const std::array<std::int32_t, 4> TravellingHorse{Tiger, Snake, Monkey, Pig};
const std::array<std::int32_t, 4> PeachBlossom{Rooster, Rat, Rabbit, Horse};
const std::array<std::int32_t, 4> Canopy{Dragon, Goat, Dog, Ox};
const std::array<std::int32_t, 4> General{Rat, Rabbit, Horse, Rooster};

const std::array<Mark, 12> HeavenlyVirtue{{
    {false, Snake},  // Rat
    {true, MetalY},  // Ox
    {true, FireI},   // Tiger
    {false, Monkey}, // Rabbit
    {true, WaterY},  // Dragon
    {true, MetalI},  // Snake
    {false, Pig},    // Horse
    {true, WoodY},   // Goat
    {true, WaterI},  // Monkey
    {false, Tiger},  // Rooster
    {true, FireY},   // Dog
    {true, WoodI},   // Pig
}};
const std::array<std::int32_t, 4> MonthlyVirtue{WaterY, WoodY, FireY, MetalY};

} // namespace ReadingTables

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AlmanacTables.h"

namespace AlmanacTables {

const std::array<const char *, 12> OfficerNames{"Установление", "Удаление",   "Наполнение", "Равновесие",
                                                "Стабильность", "Исполнение", "Разрушение", "Опасность",
                                                "Успех",        "Получение",  "Открытие",   "Закрытие"};
const std::array<const char *, 28> MansionNames{"Рог",     "Шея", "Корень",  "Комната", "Сердце", "Хвост", "Корзина",
                                                "Ковш",    "Вол", "Дева",    "Пустошь", "Крыша",  "Дом",   "Стена",
                                                "Нога",    "Узы", "Желудок", "Плеяды",  "Сеть",   "Клюв",  "Воин",
                                                "Колодец", "Дух", "Ива",     "Звезда",  "Лук",    "Крыло", "Повозка"};
const std::array<const char *, 7> WeekdayNames{"пн", "вт", "ср", "чт", "пт", "сб", "вс"};

// Крыса, Бык, Тигр, then the same three steps for each later three.
const std::array<std::int32_t, 12> RatHourStarAfterWinter{1, 4, 7, 1, 4, 7, 1, 4, 7, 1, 4, 7};
const std::array<std::int32_t, 12> RatHourStarAfterSummer{9, 6, 3, 9, 6, 3, 9, 6, 3, 9, 6, 3};

const char ClashWithYear[] = "Столкновение с годом";
const char ClashWithDay[] = "Столкновение с днём";

} // namespace AlmanacTables

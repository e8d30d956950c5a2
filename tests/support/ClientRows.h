// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// A client file's CSV of many seeded clients, for the tests that kill or
// starve an import and for the benchmark of the import and the search.

#include <QByteArray>
#include <QString>

#include "Client.h"

#include <random>

// count records under the header: names of Russian given names and
// surnames, a tenth of them with a zone instead of a correction, and notes
// of about notesLength characters of Russian words, some with commas and
// line breaks.
inline QByteArray ClientRowsCsv(int count, int notesLength, unsigned seed = 1)
{
    static const char *const given[] = {"Иван", "Алёна", "Пётр", "Мария", "Сергей", "Ольга", "Фёдор", "Анна"};
    static const char *const family[] = {"Иванов", "Смирнов", "Кузнецов", "Попов", "Соколов", "Лебедев", "Ёлкин"};
    static const char *const words[] = {"встреча", "вопрос", "работа", "семья", "переезд", "здоровье",    "дети",
                                        "карьера", "брак",   "учёба",  "дом",   "деньги",  "путешествие", "ремонт"};
    std::mt19937 random(seed);
    const auto pick = [&random](const auto &list) { return list[random() % std::size(list)]; };
    const auto two = [&random](unsigned from, unsigned count) {
        return QByteArray::number(from + random() % count).rightJustified(2, '0');
    };
    QByteArray csv = "name,sex,date,time,correction,longitude,hemisphere,place,zone,notes\n";
    for (int i = 0; i < count; ++i) {
        QByteArray notes;
        while (QString::fromUtf8(notes).size() < notesLength)
            notes += QByteArray(pick(words)) + (random() % 9 == 0 ? ",\n" : " ");
        const bool zone = i % 10 == 0;
        csv += QByteArray(pick(family)) + ' ' + pick(given) + ' ' + QByteArray::number(i) + ",м," + two(1, 28) + '.'
            + two(1, 12) + '.' + QByteArray::number(1930 + random() % 90) + ',' + two(0, 24) + ':' + two(0, 60)
            + (zone ? ",,037:37,E,\"Москва, Россия\",Europe/Moscow," : ",3,049:07,E,,,") + '"' + notes + "\"\n";
    }
    return csv;
}

// A client of Kazan, 15.07.1985 10:00, of that name and notes.
inline Client Person(const QString &name, const QString &notes = {})
{
    Client client;
    client.Name = name;
    client.Date = QStringLiteral("15.07.1985");
    client.Time = QStringLiteral("10:00");
    client.Correction = QStringLiteral("4");
    client.Longitude = QStringLiteral("049:07");
    client.Hemisphere = QStringLiteral("E");
    client.Notes = notes;
    return client;
}

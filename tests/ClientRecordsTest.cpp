// SPDX-License-Identifier: AGPL-3.0-or-later
// A client's fields, the CSV of a client file and the search, through real
// client files in a temporary folder.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ChartRequest.h"
#include "ClientFile.h"
#include "ClientRows.h"
#include "Translation.h"

namespace {

using Kind = ClientProblem::Kind;

QStringList Names(const std::vector<Client> &clients)
{
    QStringList names;
    for (const Client &client : clients)
        names.append(client.Name);
    return names;
}

} // namespace

// Every form a stored client may hold is one the tool's chart takes, and
// the near misses are refused with the field that is wrong.
TEST(ClientCheck, FormsOfTheBirthMoment)
{
    struct Case {
        const char *date, *time, *correction, *zone, *longitude, *hemisphere;
        Kind expected;
    };
    const Case cases[] = {
        {"01.01.0001", "00:00", "0", "", "000:00", "E", Kind::None},
        {"31.12.5000", "23:59", "-23", "", "179:59", "W", Kind::None},
        {"29.02.2000", "12:00", "+05", "", "060:36", "E", Kind::None},
        {"15.07.1985", "10:00", "5:30", "", "077:12", "E", Kind::None},
        {"15.07.1985", "10:00", "-9:30", "", "140:00", "W", Kind::None},
        {"15.07.1985", "10:00", "2:30:17", "", "037:37", "E", Kind::None},
        {"15.07.1985", "10:00", "", "Europe/Moscow", "037:37", "E", Kind::None},
        {"15.07.1985", "10:00", "", "Asia/Calcutta", "088:22", "E", Kind::None},
        {"1.07.1985", "10:00", "4", "", "049:07", "E", Kind::DateForm},
        {"15.07.85", "10:00", "4", "", "049:07", "E", Kind::DateForm},
        {"15.07.0000", "10:00", "4", "", "049:07", "E", Kind::YearRange},
        {"01.01.5001", "10:00", "4", "", "049:07", "E", Kind::YearRange},
        {"29.02.1900", "10:00", "4", "", "049:07", "E", Kind::NoSuchDate},
        {"15.07.1985", "9:00", "4", "", "049:07", "E", Kind::TimeForm},
        {"15.07.1985", "24:00", "4", "", "049:07", "E", Kind::TimeRange},
        {"15.07.1985", "10:60", "4", "", "049:07", "E", Kind::TimeRange},
        {"15.07.1985", "10:00", "", "", "049:07", "E", Kind::NoCorrectionOrZone},
        {"15.07.1985", "10:00", "4", "Europe/Moscow", "049:07", "E", Kind::CorrectionAndZone},
        {"15.07.1985", "10:00", "24", "", "049:07", "E", Kind::CorrectionRange},
        {"15.07.1985", "10:00", "23:00:01", "", "049:07", "E", Kind::CorrectionRange},
        {"15.07.1985", "10:00", "5:3", "", "049:07", "E", Kind::CorrectionForm},
        {"15.07.1985", "10:00", "5:60", "", "049:07", "E", Kind::CorrectionForm},
        {"15.07.1985", "10:00", "4.5", "", "049:07", "E", Kind::CorrectionForm},
        {"15.07.1985", "10:00", "", "Europe/Nowhere", "049:07", "E", Kind::UnknownZone},
        {"15.07.1985", "10:00", "", "../../etc/passwd", "049:07", "E", Kind::UnknownZone},
        {"15.07.1985", "10:00", "", "/usr/share/zoneinfo/UTC", "049:07", "E", Kind::UnknownZone},
        {"15.07.1985", "10:00", "", "MSK-3", "049:07", "E", Kind::UnknownZone},
        {"15.07.1985", "10:00", "4", "", "49:07", "E", Kind::LongitudeForm},
        {"15.07.1985", "10:00", "4", "", "180:00", "E", Kind::LongitudeRange},
        {"15.07.1985", "10:00", "4", "", "049:07", "В", Kind::Hemisphere},
    };
    for (const Case &c : cases) {
        Client client = Person(QStringLiteral("Анна"));
        client.Date = QString::fromUtf8(c.date);
        client.Time = QString::fromUtf8(c.time);
        client.Correction = QString::fromUtf8(c.correction);
        client.Zone = QString::fromUtf8(c.zone);
        client.Longitude = QString::fromUtf8(c.longitude);
        client.Hemisphere = QString::fromUtf8(c.hemisphere);
        const std::string name = std::string(c.date) + ' ' + c.time + ' ' + c.correction + c.zone + ' ' + c.longitude;
        EXPECT_EQ(CheckClient(client).Type, c.expected) << name;
        if (c.expected == Kind::None && client.Zone.isEmpty()) {
            EXPECT_TRUE(ParseRequest(c.date, c.time, c.correction, std::string(c.longitude) + c.hemisphere).Input)
                << name << ": the tool refuses it";
        }
    }

    const QString longest = QString(199, u'я') + QStringLiteral("😀"); // 200 characters, 201 UTF-16 units
    const std::pair<Client, Kind> others[] = {
        {Person(QStringLiteral("  \t ")), Kind::NoName},
        {Person(longest), Kind::None},
        {Person(longest + u'я'), Kind::LongName},
        {Person(QStringLiteral("Анна\nПетрова")), Kind::NameNotOneLine},
        {Person(QStringLiteral("Анна"), QString(MaxNotesBytes / 2, u'ж')), Kind::None},
        {Person(QStringLiteral("Анна"), QString(MaxNotesBytes / 2, u'ж') + u'x'), Kind::LongNotes},
    };
    for (const auto &[client, expected] : others)
        EXPECT_EQ(CheckClient(client).Type, expected) << client.Name.left(20).toStdString();
}

// Awkward records go into a file, out as CSV, into an empty file and out
// again as the same bytes.
TEST(ClientCsv, ExportImportedIntoAnEmptyFileExportsTheSameBytes)
{
    QTemporaryDir folder;
    ClientFile first(folder.filePath(QStringLiteral("first.sqlite")));
    std::vector<Client> awkward = {
        Person(QStringLiteral("Иванов, Иван \"Ваня\""), QStringLiteral("запятые, кавычки \"\" и ;")),
        Person(QStringLiteral("  Ёлкина Алёна  "), QStringLiteral("строка 1\nстрока 2\r\nстрока 3\r")),
        Person(QString(199, u'я') + QStringLiteral("😀"), QStringLiteral("\xFEFF начало с BOM\n")),
        Person(QStringLiteral("Mumbai"), QString(MaxNotesBytes / 2, u'ж')),
        Person(QStringLiteral("ёлкина алёна")),
    };
    awkward[0].Sex = QStringLiteral("м");
    awkward[1].Sex = QStringLiteral("ж");
    awkward[1].Correction.clear();
    awkward[1].Zone = QStringLiteral("America/Argentina/Buenos_Aires");
    awkward[1].Place = QStringLiteral("Буэнос-Айрес, Аргентина");
    awkward[1].Hemisphere = QStringLiteral("W");
    awkward[2].Correction = QStringLiteral("2:30:17");
    awkward[3].Correction = QStringLiteral("-9:30");
    awkward[4].Date = QStringLiteral("01.01.0001");
    for (const Client &client : awkward)
        ASSERT_EQ(first.add(client).Error, ClientError::None) << client.Name.toStdString();

    const QByteArray csv = first.exportCsv();
    EXPECT_TRUE(csv.startsWith(QByteArray(ClientCsvHeader) + "\nMumbai,,15.07.1985,10:00,-9:30,049:07,E,,,жжж"));
    EXPECT_TRUE(csv.contains("\n\"Иванов, Иван \"\"Ваня\"\"\",м,")) << csv.left(300).toStdString();
    ClientFile second(folder.filePath(QStringLiteral("second.sqlite")));
    const ImportResult imported = second.importCsv(csv);
    ASSERT_EQ(imported.Error, ClientError::None);
    EXPECT_EQ(imported.Added, int(awkward.size()));
    EXPECT_EQ(second.exportCsv(), csv);

    const std::vector<Client> before = first.all(), after = second.all();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        Client moved = after[i];
        moved.Id = before[i].Id;
        moved.Created = before[i].Created;
        moved.Changed = before[i].Changed;
        EXPECT_EQ(moved, before[i]) << before[i].Name.toStdString();
    }
    EXPECT_EQ(before[1].Name, QStringLiteral("Ёлкина Алёна")) << "the name is stored trimmed, ё and е sort alike";
    EXPECT_EQ(before[2].Name, QStringLiteral("ёлкина алёна"));

    // As a spreadsheet writes it: a BOM, CRLF line ends, every field quoted.
    ClientFile third(folder.filePath(QStringLiteral("third.sqlite")));
    const QByteArray spreadsheet = "\xEF\xBB\xBF" + QByteArray(ClientCsvHeader)
        + "\r\n\"Mumbai\",\"\",\"15.07.1985\",\"10:00\",\"-9:30\",\"049:07\",\"E\",\"\",\"\",\"a\r\nb\"\r\n\r\n";
    ASSERT_EQ(third.importCsv(spreadsheet).Added, 1);
    EXPECT_EQ(third.all().front().Notes, QStringLiteral("a\r\nb"));
}

// One bad record stops the whole import; every bad one is named by the
// line it starts on, a quoted field's line breaks counted.
TEST(ClientCsv, AnImportWithBadRowsChangesNothingAndNamesEveryOne)
{
    QTemporaryDir folder;
    ClientFile file(folder.filePath(QStringLiteral("clients.sqlite")));
    ASSERT_EQ(file.add(Person(QStringLiteral("Анна"))).Error, ClientError::None);
    const QByteArray before = file.exportCsv();
    const QByteArray csv = QByteArray(ClientCsvHeader) + "\n" + "Борис,м,15.07.1985,10:00,4,049:07,E,,,\n" // 2
        + "Вера,ж,31.02.2000,10:00,4,049:07,E,,,\n"                                                        // 3
        + "Галина,ж,15.07.1985,10:00,4,049:07,E,,,\"одна\nдве\nтри\"\n"                                    // 4-6
        + "Дмитрий,м,15.07.1985,10:00,4,049:07,E,,Europe/Moscow,\n"                                        // 7
        + "Евгений,м,15.07.1985,10:00,4\n"                                                                 // 8
        + "Жанна,ж,15.07.1985,10:00,4,049:07,E,,,\"без\" конца\n"                                          // 9
        + "Зоя,\xFF,15.07.1985,10:00,4,049:07,E,,,\n"                                                      // 10
        + "Ирина,ж,15.07.1985,10:00,4,049:07,E,,,\"не закрыта\n";                                          // 11
    const ImportResult result = file.importCsv(csv);
    EXPECT_EQ(result.Error, ClientError::Invalid);
    EXPECT_EQ(result.Added, 0);
    std::vector<int> lines;
    for (const RowProblem &problem : result.Problems)
        lines.push_back(problem.Line);
    EXPECT_EQ(lines, (std::vector<int>{3, 7, 8, 9, 10, 11}));
    EXPECT_EQ(file.exportCsv(), before);
    EXPECT_EQ(ClientFile(file.path()).exportCsv(), before) << "nothing in the file either";

    ASSERT_FALSE(result.Problems.empty());
    EXPECT_EQ(RowProblemText(result.Problems.front()), QStringLiteral("line 3: date \"31.02.2000\" does not exist"));
    ASSERT_TRUE(UseLanguage(Language::Russian));
    EXPECT_EQ(RowProblemText(result.Problems.front()), QStringLiteral("строка 3: даты «31.02.2000» не существует"));
    UseLanguage(Language::English);

    const ImportResult header = file.importCsv("name;sex\nАнна;ж\n");
    ASSERT_EQ(header.Problems.size(), 1u);
    EXPECT_EQ(header.Problems.front().Csv, CsvFault::Header);
}

// As the user types: case, ё and е, the notes; in name order.
TEST(ClientSearch, CaseYoAndNotesInNameOrder)
{
    QTemporaryDir folder;
    ClientFile file(folder.filePath(QStringLiteral("clients.sqlite")));
    for (const auto &[name, notes] : {std::pair{"Пётр Сидоров", "знакомая Ивана; ЁЛКА у дома"},
                                      {"ИВАНОВА Алёна", ""},
                                      {"Иванов Иван", "встреча в Казани"},
                                      {"Smith John", "Ростов-на-Дону"},
                                      {"王 Фан", "Ştefan, 738b"}})
        ASSERT_EQ(file.add(Person(QString::fromUtf8(name), QString::fromUtf8(notes))).Error, ClientError::None);
    const std::pair<const char *, QStringList> cases[] = {
        {"", {"Smith John", "Иванов Иван", "ИВАНОВА Алёна", "Пётр Сидоров", "王 Фан"}},
        {"И", {"Иванов Иван", "ИВАНОВА Алёна", "Пётр Сидоров"}},
        {"иван", {"Иванов Иван", "ИВАНОВА Алёна", "Пётр Сидоров"}},
        {"ИВАНОВА", {"ИВАНОВА Алёна"}},
        {"петр", {"Пётр Сидоров"}},
        {"Алена", {"ИВАНОВА Алёна"}},
        {"ёлка", {"Пётр Сидоров"}},
        {"казан", {"Иванов Иван"}},
        {"ростов на", {"Smith John"}},
        {"SMITH j", {"Smith John"}},
        {"иван алена", {}},
        {"王", {"王 Фан"}},
        {"stefan", {"王 Фан"}},
        {"738B", {"王 Фан"}},
        {"ан 73", {}},
        {"сидоров\nзнакомая", {}},
    };
    for (const auto &[query, names] : cases)
        EXPECT_EQ(Names(file.search(QString::fromUtf8(query))), names) << query;

    const qint64 twin = file.add(Person(QStringLiteral("Иванов  Иван "))).Id;
    const std::vector<Client> named = file.byName(QStringLiteral("иванов иван"));
    ASSERT_EQ(named.size(), 2u);
    EXPECT_EQ(named.back().Id, twin);
    EXPECT_TRUE(file.byName(QStringLiteral("Иванов")).empty());
}

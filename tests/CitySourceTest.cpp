// SPDX-License-Identifier: AGPL-3.0-or-later
// Where the city index comes from: libgeonames, the cache file in the
// user's cache folder, and the installed table of other names.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "CityIndex.h"
#include "CitySource.h"
#include "OtherNames.h"
#include "TestFiles.h"

namespace {

// The cities straight from libgeonames, read once for all the cases.
const std::vector<IndexedCity> &Fresh()
{
    static const std::vector<IndexedCity> cities = LoadIndexedCities(QString(), QString());
    return cities;
}

} // namespace

// Every line of the table names the city meant: the id is a city of the
// database and its Latin name there is the one the line gives.
TEST(OtherNames, EveryIdIsTheCityMeant)
{
    QFile table(QStringLiteral(VELMORA_SOURCE_DIR "/data/other-names.tsv"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const CityIndex &index = CityIndex::Shared();
    int lines = 0;
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        ++lines;
        const QStringList fields = line.split(u'\t');
        ASSERT_EQ(fields.size(), 3) << line.toStdString();
        const City *city = index.WithId(fields[1].toUInt());
        ASSERT_NE(city, nullptr) << line.toStdString();
        EXPECT_EQ(city->LatinName, fields[2]) << line.toStdString();
        EXPECT_NE(SearchKey(fields[0]), SearchKey(city->Name)) << "the city's own name: " << line.toStdString();
    }
    EXPECT_GE(lines, 80);
    // The programs of the build tree find the copy at the installed place.
    EXPECT_EQ(LoadOtherNames(InstalledOtherNamesPath()).size(), std::size_t(lines));
    EXPECT_TRUE(LoadOtherNames(QStringLiteral("/nonexistent/other-names.tsv")).empty());
}

TEST(CityCache, WrittenOnceReadAfterwardsRebuiltWhenDamaged)
{
    ASSERT_GT(Fresh().size(), 20000u);
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/cache/velmora");
    const QString path = folder + QStringLiteral("/cities.bin");
    EXPECT_EQ(LoadIndexedCities(folder, QString()), Fresh());
    struct stat status = {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    const QByteArray good = Contents(path);
    ASSERT_FALSE(good.isEmpty());

    // A file made for these sources is read as it stands.
    std::vector<IndexedCity> marked = Fresh();
    marked.front().Place.Name = QStringLiteral("Метка");
    ASSERT_TRUE(WriteCityCache(path, *GeonamesStamp(), marked));
    EXPECT_EQ(LoadIndexedCities(folder, QString()).front().Place.Name, QStringLiteral("Метка"));

    CacheStamp older = *GeonamesStamp();
    older.LibraryTime -= 1000;
    QByteArray flipped = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x20);
    QByteArray nextVersion = good;
    nextVersion[15] = char(nextVersion[15] + 1);
    const std::pair<const char *, QByteArray> damaged[] = {
        {"empty", QByteArray()},          {"foreign", QByteArray("[General]\nsd=05\n")},
        {"header only", good.left(64)},   {"truncated", good.left(good.size() - 1)},
        {"longer", good + 'x'},           {"a byte changed", flipped},
        {"another version", nextVersion},
    };
    for (const auto &[name, data] : damaged) {
        Write(path, data);
        EXPECT_FALSE(ReadCityCache(path, *GeonamesStamp())) << name;
        EXPECT_EQ(LoadIndexedCities(folder, QString()), Fresh()) << name;
        EXPECT_EQ(Contents(path), good) << name << ": rewritten";
    }
    ASSERT_TRUE(WriteCityCache(path, older, Fresh()));
    EXPECT_FALSE(ReadCityCache(path, *GeonamesStamp())) << "made from an older libgeonames";
    EXPECT_EQ(LoadIndexedCities(folder, QString()), Fresh());
    EXPECT_EQ(Contents(path), good);
}

// The index made at build time serves a new user: nothing is made or
// written in the cache; one made from another libgeonames is passed over.
TEST(CityCache, TheInstalledIndexServesANewUser)
{
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/cache/velmora");
    EXPECT_EQ(ReadCityCache(InstalledCityIndex(), *GeonamesStamp()), Fresh());
    EXPECT_EQ(LoadIndexedCities(folder, InstalledCityIndex()), Fresh());
    EXPECT_FALSE(QFileInfo::exists(folder));

    CacheStamp older = *GeonamesStamp();
    older.LibrarySize += 1;
    const QString stale = home.path() + QStringLiteral("/cities.bin");
    ASSERT_TRUE(WriteCityCache(stale, older, Fresh()));
    EXPECT_EQ(LoadIndexedCities(folder, stale), Fresh());
    EXPECT_TRUE(ReadCityCache(folder + QStringLiteral("/cities.bin"), *GeonamesStamp()));
}

// A link of the cache's name is replaced by the new file; what it pointed
// to is never written.
TEST(CityCache, ALinkIsReplacedNotFollowed)
{
    QTemporaryDir home;
    const QString notes = home.path() + QStringLiteral("/notes.txt");
    Write(notes, "my notes\n");
    const QString folder = home.path() + QStringLiteral("/velmora");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/cities.bin");
    ASSERT_TRUE(QFile::link(notes, path));
    EXPECT_EQ(LoadIndexedCities(folder, QString()), Fresh());
    EXPECT_EQ(Contents(notes), QByteArray("my notes\n"));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_TRUE(ReadCityCache(path, *GeonamesStamp()));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
}

// What cannot be read or written costs only the time of a fresh index.
TEST(CityCache, NoCacheWhereItCannotBeKept)
{
    QTemporaryDir home;
    const QString folder = home.path();
    const QString path = folder + QStringLiteral("/cities.bin");

    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(LoadIndexedCities(folder, QString()), Fresh()) << "a FIFO is neither read nor replaced";
    EXPECT_FALSE(QFileInfo(path).isFile());
    ASSERT_TRUE(QFile::remove(path));

    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("cities.bin")));
    EXPECT_EQ(LoadIndexedCities(folder, QString()), Fresh()) << "a folder is not replaced";
    EXPECT_TRUE(QFileInfo(path).isDir());

    EXPECT_EQ(LoadIndexedCities(QStringLiteral("/dev/null/velmora"), QString()), Fresh());

    // Without the table of other names the search goes on with the cities'
    // own names.
    const CityIndex bare(Fresh(), LoadOtherNames(QStringLiteral("/nonexistent/other-names.tsv")));
    const auto found = bare.Find(QStringLiteral("Ленинград"), 5);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front().Text(), QStringLiteral("Ленинградская, Краснодарский край, Россия"));
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CityCache.h"

#include <QFile>
#include <QtEndian>

#include <bit>
#include <cmath>

#include "FileKind.h"
#include "OwnFile.h"

namespace {

constexpr char Magic[] = "VELMORA CITIES\n";
constexpr qsizetype MagicSize = sizeof Magic - 1;
// Raised whenever the layout of a record or of the header changes.
constexpr quint32 FormatVersion = 1;
// Id, population, latitude, longitude and seven empty strings.
constexpr qsizetype SmallestRecord = 4 + 4 + 8 + 8 + 7 * 2;
// Far above the size of the real file (a few megabytes): anything larger is
// not one of ours and is not read into memory.
constexpr qint64 LargestFile = 64 << 20;

// Catches damage to the file, not a forger: eight bytes a step.
quint64 Checksum(QByteArrayView data)
{
    quint64 hash = 0xcbf29ce484222325;
    qsizetype at = 0;
    for (; at + 8 <= data.size(); at += 8)
        hash = std::rotl((hash ^ qFromLittleEndian<quint64>(data.data() + at)) * 0x100000001b3, 29);
    for (; at < data.size(); ++at)
        hash = (hash ^ quint8(data[at])) * 0x100000001b3;
    return hash;
}

class Writer
{
public:
    template <typename T>
    void Number(T value)
    {
        const T stored = qToLittleEndian(value);
        m_data.append(reinterpret_cast<const char *>(&stored), sizeof stored);
    }
    void Real(double value) { Number(std::bit_cast<quint64>(value)); }
    void Bytes(const QByteArray &bytes)
    {
        m_fits = m_fits && bytes.size() <= 0xffff;
        Number(quint16(bytes.size()));
        m_data.append(bytes.left(0xffff));
    }
    void Text(const QString &text) { Bytes(text.toUtf8()); }
    void Raw(QByteArrayView bytes) { m_data.append(bytes); }
    bool Fits() const { return m_fits; }
    const QByteArray &Data() const { return m_data; }

private:
    QByteArray m_data;
    bool m_fits = true;
};

// Reads from the data in hand only; after the first read past its end every
// read gives zero or empty and Ok() is false.
class Reader
{
public:
    explicit Reader(QByteArrayView data)
        : m_data(data)
    { }
    template <typename T>
    T Number()
    {
        if (!Has(sizeof(T)))
            return T{};
        const T value = qFromLittleEndian<T>(m_data.data() + m_at);
        m_at += sizeof(T);
        return value;
    }
    double Real() { return std::bit_cast<double>(Number<quint64>()); }
    QByteArrayView Raw(qsizetype size)
    {
        if (!Has(size))
            return {};
        m_at += size;
        return m_data.sliced(m_at - size, size);
    }
    QByteArray Bytes() { return Raw(Number<quint16>()).toByteArray(); }
    QString Text() { return QString::fromUtf8(Raw(Number<quint16>())); }
    QByteArrayView Rest() const { return m_data.sliced(m_at); }
    bool Ok() const { return m_ok; }

private:
    bool Has(qsizetype size)
    {
        m_ok = m_ok && size <= m_data.size() - m_at;
        return m_ok;
    }
    QByteArrayView m_data;
    qsizetype m_at = 0;
    bool m_ok = true;
};

void WriteStamp(Writer &out, const CacheStamp &stamp)
{
    for (const qint64 value : {stamp.LibrarySize, stamp.LibraryTime, stamp.CatalogSize, stamp.CatalogTime})
        out.Number(value);
}

CacheStamp ReadStamp(Reader &in)
{
    CacheStamp stamp;
    for (qint64 *value : {&stamp.LibrarySize, &stamp.LibraryTime, &stamp.CatalogSize, &stamp.CatalogTime})
        *value = in.Number<qint64>();
    return stamp;
}

void WriteCity(Writer &out, const IndexedCity &city)
{
    const City &place = city.Place;
    out.Number(quint32(place.Id));
    out.Number(quint32(place.Population));
    out.Real(place.Latitude);
    out.Real(place.Longitude);
    for (const QString *text : {&place.Name, &place.LatinName, &place.Region, &place.Country})
        out.Text(*text);
    out.Bytes(place.Zone);
    out.Text(city.NameKey);
    out.Text(city.LatinKey);
}

IndexedCity ReadCity(Reader &in)
{
    IndexedCity city;
    City &place = city.Place;
    place.Id = in.Number<quint32>();
    place.Population = in.Number<quint32>();
    place.Latitude = in.Real();
    place.Longitude = in.Real();
    for (QString *text : {&place.Name, &place.LatinName, &place.Region, &place.Country})
        *text = in.Text();
    place.Zone = in.Bytes();
    city.NameKey = in.Text();
    city.LatinKey = in.Text();
    return city;
}

// NaN fails both comparisons.
bool Plausible(const City &city)
{
    return !city.Name.isEmpty() && std::fabs(city.Latitude) <= 90 && std::fabs(city.Longitude) <= 180;
}

std::optional<std::vector<IndexedCity>> ReadCities(Reader &in, quint32 count)
{
    std::vector<IndexedCity> cities;
    cities.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        cities.push_back(ReadCity(in));
        if (!in.Ok() || !Plausible(cities.back().Place))
            return std::nullopt;
    }
    if (!in.Rest().isEmpty())
        return std::nullopt;
    return cities;
}

} // namespace

std::optional<std::vector<IndexedCity>> ReadCityCache(const QString &path, const CacheStamp &stamp)
{
    // A FIFO would block the read.
    QFile file(path);
    if (KindOf(path) != FileKind::Regular || !file.open(QIODevice::ReadOnly) || file.size() > LargestFile)
        return std::nullopt;
    const QByteArray data = file.read(LargestFile);
    Reader in(data);
    const bool ours = in.Raw(MagicSize) == QByteArrayView(Magic, MagicSize) && in.Number<quint32>() == FormatVersion;
    const bool current = ReadStamp(in) == stamp;
    const quint32 count = in.Number<quint32>();
    const quint64 checksum = in.Number<quint64>();
    if (!in.Ok() || !ours || !current || count > in.Rest().size() / SmallestRecord || Checksum(in.Rest()) != checksum)
        return std::nullopt;
    return ReadCities(in, count);
}

bool WriteCityCache(const QString &path, const CacheStamp &stamp, const std::vector<IndexedCity> &cities)
{
    Writer body;
    for (const IndexedCity &city : cities)
        WriteCity(body, city);
    if (!body.Fits() || cities.size() > 0xffffffffu)
        return false;
    Writer head;
    head.Raw(QByteArrayView(Magic, MagicSize));
    head.Number(FormatVersion);
    WriteStamp(head, stamp);
    head.Number(quint32(cities.size()));
    head.Number(Checksum(body.Data()));
    return ReplaceOwnFile(path, head.Data() + body.Data());
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// GLib's headers name struct members "signals", which Qt defines as a
// keyword: they come before any Qt header.
#include <geonames.h>

#include "GeonamesCities.h"

#include <QLibrary>
#include <QtGlobal>

#include <algorithm>
#include <type_traits>

namespace {

// libgeonames, loaded on the first city search rather than linked: linked,
// it and the GIO stack it pulls in cost every start of the program about
// four milliseconds before the first chart, for a search most runs never
// make. All null when it cannot be loaded.
struct GeonamesCalls {
    decltype(&geonames_get_n_cities) countCities = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&geonames_city_get_name) name = nullptr;
    decltype(&geonames_city_get_state) state = nullptr;
    decltype(&geonames_city_get_country) country = nullptr;
    decltype(&geonames_city_get_timezone) timezone = nullptr;
    decltype(&geonames_city_get_latitude) latitude = nullptr;
    decltype(&geonames_city_get_longitude) longitude = nullptr;
    decltype(&geonames_city_get_population) population = nullptr;

    bool complete() const
    {
        return countCities && city && free && name && state && country && timezone && latitude && longitude
            && population;
    }
};

const GeonamesCalls &Geonames()
{
    static const GeonamesCalls calls = [] {
        GeonamesCalls resolved;
        QLibrary library(QStringLiteral("geonames"), 0);
        if (!library.load()) {
            qWarning("no city search: %s", qPrintable(library.errorString()));
            return resolved;
        }
        const auto resolve = [&library](const char *symbol, auto &function) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(symbol));
        };
        resolve("geonames_get_n_cities", resolved.countCities);
        resolve("geonames_get_city", resolved.city);
        resolve("geonames_city_free", resolved.free);
        resolve("geonames_city_get_name", resolved.name);
        resolve("geonames_city_get_state", resolved.state);
        resolve("geonames_city_get_country", resolved.country);
        resolve("geonames_city_get_timezone", resolved.timezone);
        resolve("geonames_city_get_latitude", resolved.latitude);
        resolve("geonames_city_get_longitude", resolved.longitude);
        resolve("geonames_city_get_population", resolved.population);
        if (!resolved.complete())
            qWarning("no city search: %s lacks a function", qPrintable(library.fileName()));
        return resolved;
    }();
    return calls;
}

// libgeonames translates through gettext, which follows the process's locale;
// the untranslated names and the ids are read from the city record itself:
// (id, name, admin1 code, region, country code, country, zone, population,
// latitude, longitude).
constexpr char RecordType[] = "(sssssssudd)";

QString Named(const MessageCatalog &names, const QByteArray &key, const char *fallback)
{
    const QString translated = names.Translate(key);
    return translated.isEmpty() ? QString::fromUtf8(fallback) : translated;
}

// Through the library's accessors, should the record ever change its form:
// the names then follow the process's locale.
City FromAccessors(const GeonamesCalls &geonames, GeonamesCity *record)
{
    City city;
    city.Name = city.LatinName = QString::fromUtf8(geonames.name(record));
    city.Region = QString::fromUtf8(geonames.state(record));
    city.Country = QString::fromUtf8(geonames.country(record));
    city.Zone = QByteArray(geonames.timezone(record));
    city.Latitude = geonames.latitude(record);
    city.Longitude = geonames.longitude(record);
    city.Population = geonames.population(record);
    return city;
}

City FromRecord(const GeonamesCalls &geonames, GeonamesCity *record, const MessageCatalog &names)
{
    if (!g_variant_is_of_type(record, G_VARIANT_TYPE(RecordType)))
        return FromAccessors(geonames, record);
    const gchar *id, *name, *admin1, *region, *countryCode, *country, *zone;
    guint32 population;
    double latitude, longitude;
    g_variant_get(record, "(&s&s&s&s&s&s&sudd)", &id, &name, &admin1, &region, &countryCode, &country, &zone,
                  &population, &latitude, &longitude);
    City city;
    city.Id = QByteArray(id).toUInt();
    city.LatinName = QString::fromUtf8(name);
    city.Name = Named(names, id, name);
    city.Region = Named(names, QByteArray(countryCode) + '.' + admin1, region);
    city.Country = Named(names, countryCode, country);
    city.Zone = QByteArray(zone);
    city.Latitude = latitude;
    city.Longitude = longitude;
    city.Population = population;
    return city;
}

} // namespace

std::vector<City> LoadGeonamesCities(const MessageCatalog &names)
{
    std::vector<City> cities;
    const GeonamesCalls &geonames = Geonames();
    if (!geonames.complete())
        return cities;
    const gint count = geonames.countCities();
    cities.reserve(std::size_t(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity *record = geonames.city(i);
        if (!record)
            continue;
        cities.push_back(FromRecord(geonames, record, names));
        geonames.free(record);
    }
    return cities;
}

// Where libgeonames-common installs the catalog that libgeonames itself
// binds its text domain to.
QString RussianGeonamesCatalogPath() { return QStringLiteral("/usr/share/locale/ru/LC_MESSAGES/geonames.mo"); }

MessageCatalog RussianGeonamesCatalog() { return MessageCatalog::Load(RussianGeonamesCatalogPath()); }

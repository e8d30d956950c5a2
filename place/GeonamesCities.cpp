// GLib's headers name struct members "signals", which Qt defines as a
// keyword: they come before any Qt header.
#include <geonames.h>

#include "GeonamesCities.h"

#include <algorithm>

namespace {

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
City FromAccessors(GeonamesCity *record)
{
    City city;
    city.Name = city.LatinName = QString::fromUtf8(geonames_city_get_name(record));
    city.Region = QString::fromUtf8(geonames_city_get_state(record));
    city.Country = QString::fromUtf8(geonames_city_get_country(record));
    city.Zone = QByteArray(geonames_city_get_timezone(record));
    city.Latitude = geonames_city_get_latitude(record);
    city.Longitude = geonames_city_get_longitude(record);
    city.Population = geonames_city_get_population(record);
    return city;
}

City FromRecord(GeonamesCity *record, const MessageCatalog &names)
{
    if (!g_variant_is_of_type(record, G_VARIANT_TYPE(RecordType)))
        return FromAccessors(record);
    const gchar *id, *name, *admin1, *region, *countryCode, *country, *zone;
    guint32 population;
    double latitude, longitude;
    g_variant_get(record, "(&s&s&s&s&s&s&sudd)", &id, &name, &admin1, &region, &countryCode, &country, &zone,
                  &population, &latitude, &longitude);
    City city;
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
    const gint count = geonames_get_n_cities();
    cities.reserve(std::size_t(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity *record = geonames_get_city(i);
        if (!record)
            continue;
        cities.push_back(FromRecord(record, names));
        geonames_city_free(record);
    }
    return cities;
}

// Where libgeonames-common installs the catalog that libgeonames itself
// binds its text domain to.
MessageCatalog RussianGeonamesCatalog()
{
    return MessageCatalog::Load(QStringLiteral("/usr/share/locale/ru/LC_MESSAGES/geonames.mo"));
}

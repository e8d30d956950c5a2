// GLib's headers name struct members "signals", which Qt defines as a
// keyword: they come before any Qt header.
#include <geonames.h>

#include "GeonamesCities.h"

namespace {

// libgeonames translates through gettext, which follows the process's locale;
// the untranslated names and the ids are read from the city record itself:
// (id, name, admin1 code, region, country code, country, zone, population,
// latitude, longitude).
constexpr char RecordType[] = "(sssssssudd)";

QString Child(GeonamesCity *city, gsize index)
{
    const gchar *text = nullptr;
    g_variant_get_child(city, index, "&s", &text);
    return QString::fromUtf8(text);
}

QString Named(const MessageCatalog &names, const QString &key, const QString &fallback)
{
    const QString translated = names.Translate(key.toUtf8());
    return translated.isEmpty() ? fallback : translated;
}

City FromRecord(GeonamesCity *record, const MessageCatalog &names)
{
    City city;
    city.Zone = QByteArray(geonames_city_get_timezone(record));
    city.Latitude = geonames_city_get_latitude(record);
    city.Longitude = geonames_city_get_longitude(record);
    city.Population = geonames_city_get_population(record);
    if (!g_variant_is_of_type(record, G_VARIANT_TYPE(RecordType))) {
        city.Name = city.LatinName = QString::fromUtf8(geonames_city_get_name(record));
        city.Region = QString::fromUtf8(geonames_city_get_state(record));
        city.Country = QString::fromUtf8(geonames_city_get_country(record));
        return city;
    }
    const QString countryCode = Child(record, 4);
    city.LatinName = Child(record, 1);
    city.Name = Named(names, Child(record, 0), city.LatinName);
    city.Region = Named(names, countryCode + u'.' + Child(record, 2), Child(record, 3));
    city.Country = Named(names, countryCode, Child(record, 5));
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

MessageCatalog RussianGeonamesCatalog()
{
    return MessageCatalog::Load(QStringLiteral("/usr/share/locale/ru/LC_MESSAGES/geonames.mo"));
}

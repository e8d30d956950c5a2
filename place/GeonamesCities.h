// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <vector>

#include "City.h"
#include "MessageCatalog.h"

// Every city of libgeonames (the GeoNames cities of over 15,000 people), in
// the library's order, named from the catalog: its ids are GeoNames ids for
// cities, country codes for countries and "CC.admin1" for regions.
std::vector<City> LoadGeonamesCities(const MessageCatalog &names);

// The Russian catalog that libgeonames installs beside itself, and its path.
MessageCatalog RussianGeonamesCatalog();
QString RussianGeonamesCatalogPath();

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartErrorText.h"

#include "Translation.h"

QString ChartErrorMessage(ChartError error)
{
    switch (error) {
    case ChartError::DateDoesNotExist:
        return QStringLiteral("Установленная дата не существует");
    case ChartError::EphemerisRange:
        return QStringLiteral("Дата вне диапазона эфемериды");
    case ChartError::None:
        break;
    }
    return {};
}

std::string ChartErrorText(ChartError error)
{
    switch (error) {
    case ChartError::DateDoesNotExist:
        return Filled(Translate("ChartError", "the date does not exist"));
    case ChartError::EphemerisRange:
        return Filled(Translate("ChartError", "the date is outside the range of the ephemeris"));
    case ChartError::None:
        break;
    }
    return {};
}

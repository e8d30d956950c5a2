// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ToolMessage.h"

#include "Messages.h"
#include "Translation.h"

std::string ToolMessage(const std::string &message)
{
    if (message == Messages::EphemerisRange)
        return Filled(Translate("ToolMessage", "the date is outside the range of the ephemeris"));
    if (message == Messages::DateDoesNotExist)
        return Filled(Translate("ToolMessage", "the date does not exist"));
    return message;
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#include <csignal>

#include "MainFormFixture.h"
#include "TerminationSignals.h"

TEST_F(MainFormTest, StopRequestClosesTheWindowAndStoresTheSettings)
{
    start();
    TerminationSignals stopRequests(form.get());
    put("ClientTime", "-3");
    std::raise(SIGTERM);
    QTRY_VERIFY(!form->isVisible());
    EXPECT_EQ(settings.values["sd"], "-3");
    EXPECT_EQ(settings.writes, 1);
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "MessageBoxes.h"
#include "QtSettingsStore.h"

namespace {

QString ConfigFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velmora.conf";
}

} // namespace

class SettingsFile : public ::testing::Test
{
protected:
    void SetUp() override { QDir().remove(ConfigFile()); }
    void TearDown() override
    {
        QDir().rmdir(ConfigFile());
        QDir().remove(ConfigFile());
    }
    QtSettingsStore store;
};

TEST_F(SettingsFile, MissingValuesAreAbsentAndWrittenValuesComeBack)
{
    EXPECT_EQ(store.read("sd"), std::nullopt);
    store.write({{"sd", "-5"}, {"dg", "060"}, {"dm", ""}});
    EXPECT_EQ(store.read("sd"), QString("-5"));
    EXPECT_EQ(store.read("dg"), QString("060"));
    EXPECT_EQ(store.read("dm"), QString(""));
    QSettings raw(ConfigFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("sdvg/dg").toString(), "060");
}

TEST_F(SettingsFile, AValueOfAnotherTypeIsReported)
{
    {
        QSettings raw(ConfigFile(), QSettings::IniFormat);
        raw.setValue("sdvg/dg", QStringList{"1", "2"});
    }
    try {
        store.read("dg");
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(), "Invalid data type for 'dg'");
    }
}

TEST_F(SettingsFile, AnUnwritableStoreIsReported)
{
    ASSERT_TRUE(QDir().mkpath(ConfigFile())); // a folder where the file should be
    try {
        store.write({{"sd", "05"}});
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_TRUE(error.message() == "Failed to set data for 'sd'" || error.message() == "Failed to create key sdvg")
            << error.message().toStdString();
    }
}

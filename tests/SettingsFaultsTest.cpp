// SPDX-License-Identifier: AGPL-3.0-or-later
// The real window on the real settings file when the file or its folder is
// damaged, odd or unwritable. Every odd file is made inside the test's own
// temporary configuration folder.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "MainFormFixture.h"
#include "QtSettingsStore.h"
#include "TerminationSignals.h"
#include "Watchdog.h"

namespace {

const QByteArray GoodPlace = "[sdvg]\nsd=03\ndg=100\ndm=20\n";

} // namespace

class SettingsFaults : public MainFormTest
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        m_previous = qgetenv("XDG_CONFIG_HOME");
        m_previousHome = qgetenv("HOME"); // a test may change it; TearDown runs even after a failed assertion
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        ASSERT_EQ(QtSettingsStore::filePath(), path());
    }
    void TearDown() override
    {
        if (form)
            form->close(); // a refused close is followed by one that closes
        form.reset();
        QFile::setPermissions(m_config.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_CONFIG_HOME", m_previous);
        qputenv("HOME", m_previousHome);
    }

    QString path(const QString &name = QStringLiteral("Velmora.conf")) const { return m_config.filePath(name); }
    static void Write(const QString &file, const QByteArray &bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }
    static QByteArray Read(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(unreadable)");
    }
    void makeFifo(const QString &file) { ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0); }
    static bool IsFifo(const QString &file)
    {
        struct stat status = {};
        return ::lstat(QFile::encodeName(file).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }
    void startWithStore() { start(store); }
    QString stored(const char *name)
    {
        return QSettings(path(), QSettings::IniFormat).value(QStringLiteral("sdvg/") + name).toString();
    }

    QtSettingsStore store;

private:
    QTemporaryDir m_config;
    QByteArray m_previous;
    QByteArray m_previousHome;
};

TEST_F(SettingsFaults, AnUnreadableValueKeepsTheValuesStartUpNeverReached)
{
    Write(path(), "[sdvg]\nsd=abc\ndg=100\ndm=20\n");
    modals.expect();
    startWithStore();
    EXPECT_EQ(modals.messages(), QStringList{"'abc' is not a valid integer value."});
    EXPECT_EQ(text("ClientDolgotaG"), "");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored("sd"), "abc");
    EXPECT_EQ(stored("dg"), "100");
    EXPECT_EQ(stored("dm"), "20");

    // What the user types into a field left empty is kept, though.
    modals.clear();
    modals.expect(); // the correction still cannot be read
    startWithStore();
    put("ClientDolgotaM", "7");
    form->close();
    EXPECT_EQ(stored("dg"), "100");
    EXPECT_EQ(stored("dm"), "7");
}

TEST_F(SettingsFaults, ACorruptFileReadsAsDefaultsAndIsReplacedWithoutComplaint)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 7919) % 256));
    Write(path(), binary);
    startWithStore();
    EXPECT_EQ(text("ClientTime"), "05");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(modals.messages().isEmpty()) << modals.messages().join('|').toStdString();
    EXPECT_EQ(stored("sd"), "05");
    EXPECT_EQ(stored("dg"), "060");
}

TEST_F(SettingsFaults, OddStoredTextsAreNonNumbers)
{
    const QString nul = QStringLiteral("03") + QChar::ReplacementCharacter + QChar::ReplacementCharacter;
    Write(path(), QByteArray("[sdvg]\nsd=03\0\0\ndg=1\n", 21));
    modals.expect();
    startWithStore();
    EXPECT_EQ(modals.messages(), QStringList{"'" + nul + "' is not a valid integer value."});
    form->close();
    EXPECT_FALSE(Read(path()).contains("@String")) << Read(path()).toStdString();
    EXPECT_EQ(stored("dg"), "1");

    // Bytes that are not UTF-8, and a megabyte of digits.
    for (const QByteArray &value : {QByteArray("\xff\xfe"), QByteArray(1 << 20, '7')}) {
        modals.clear();
        Write(path(), "[sdvg]\nsd=" + value + "\n");
        modals.expect();
        startWithStore();
        ASSERT_EQ(modals.messages().size(), 1) << value.size();
        EXPECT_TRUE(modals.messages()[0].endsWith("' is not a valid integer value.")) << value.size();
        form->close();
        EXPECT_FALSE(form->isVisible());
    }
}

// Esc, "Закрыть" and "Выход" on a store that cannot be written: the message
// once, then the next request closes; nothing stored before is lost.
TEST_F(SettingsFaults, AnUnwritableStoreNeverTrapsTheUser)
{
    Write(path(), GoodPlace);
    startWithStore();
    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("Velmora.conf.lock")))); // a lock that cannot be taken
    put("ClientTime", "11");
    modals.expect(2);
    QElapsedTimer timer;
    timer.start();
    {
        Watchdog guard;
        QTest::keyClick(field("ClientTime"), Qt::Key_Escape);
    }
    EXPECT_LT(timer.elapsed(), QtSettingsStore::LockWaitMs + 1000);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(modals.messages(), QStringList{"Failed to create key sdvg."});
    // A value changed since is tried again; the same values close.
    put("ClientTime", "12");
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(modals.messages().size(), 2);
    QTest::keyClick(field("ClientTime"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(modals.messages().size(), 2);
    EXPECT_EQ(Read(path()), GoodPlace);
}

TEST_F(SettingsFaults, TheEndOfTheSessionClosesWhatever)
{
    ASSERT_TRUE(QDir().mkdir(path())); // a folder where the file should be
    startWithStore();
    form->closeAtSessionEnd();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(modals.messages().isEmpty());

    startWithStore();
    TerminationSignals stopRequests(form.get());
    std::raise(SIGTERM);
    QTRY_VERIFY(!form->isVisible());
    EXPECT_TRUE(modals.messages().isEmpty());
}

TEST_F(SettingsFaults, AReadOnlyFolderIsReportedAndKeepsTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder whatever its permissions";
    Write(path(), GoodPlace);
    startWithStore();
    ASSERT_TRUE(QFile::setPermissions(QFileInfo(path()).path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    put("ClientTime", "11");
    modals.expect();
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(modals.messages(), QStringList{"Failed to create key sdvg."});
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Read(path()), GoodPlace);
}

// A FIFO, a folder or a dangling link where the file should be: defaults,
// no hang, a failed write, and the odd file left as it was.
TEST_F(SettingsFaults, OnlyARegularFileIsReadOrWritten)
{
    struct Odd {
        const char *what;
        std::function<void(SettingsFaults &)> make;
        const char *fifo; // the FIFO made, which must stay one
    };
    const Odd odds[] = {
        {"FIFO", [](SettingsFaults &t) { t.makeFifo(t.path()); }, "Velmora.conf"},
        {"link to a FIFO",
         [](SettingsFaults &t) {
             t.makeFifo(t.path("pipe"));
             ASSERT_TRUE(QFile::link(t.path("pipe"), t.path()));
         },
         "pipe"},
        {"folder", [](SettingsFaults &t) { ASSERT_TRUE(QDir().mkdir(t.path())); }, nullptr},
        {"dangling link", [](SettingsFaults &t) { ASSERT_TRUE(QFile::link(t.path("gone"), t.path())); }, nullptr},
    };
    for (const Odd &odd : odds) {
        SCOPED_TRACE(odd.what);
        QDir(QFileInfo(path()).path()).removeRecursively();
        QDir().mkpath(QFileInfo(path()).path());
        odd.make(*this);
        modals.clear();
        modals.expect();
        {
            Watchdog guard(odd.fifo ? path(QString::fromLatin1(odd.fifo)) : QString());
            startWithStore();
            EXPECT_EQ(text("ClientTime"), "05");
            form->close();
            EXPECT_FALSE(guard.fired());
        }
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(modals.messages(), QStringList{"Failed to create key sdvg."});
        form->close();
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(QFileInfo(path()).isFile());
        EXPECT_FALSE(QFile::exists(path("gone")));
        if (odd.fifo) {
            EXPECT_TRUE(IsFifo(path(QString::fromLatin1(odd.fifo))));
        }
    }
}

TEST_F(SettingsFaults, ALinkToARegularFileIsFollowed)
{
    Write(path("real.conf"), GoodPlace);
    ASSERT_TRUE(QFile::link(path("real.conf"), path()));
    startWithStore();
    EXPECT_EQ(text("ClientDolgotaG"), "100");
    put("ClientDolgotaG", "101");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(QSettings(path("real.conf"), QSettings::IniFormat).value("sdvg/dg").toString(), "101");
}

// A new account: no configuration folder yet, in the home folder or where
// XDG_CONFIG_HOME points. The close makes the folders, for the user alone,
// and stores the values.
TEST_F(SettingsFaults, ANewAccountStoresItsFirstSettings)
{
    QTemporaryDir home;
    struct Case {
        const char *what;
        QByteArray configHome; // empty: unset, so the store is under HOME
        QString made;          // the first folder that the close must make
        QString file;
    };
    const Case cases[] = {
        {"HOME without .config", {}, home.filePath(".config"), home.filePath(".config/Velmora.conf")},
        {"XDG_CONFIG_HOME two levels deep", QFile::encodeName(home.filePath("a/b")), home.filePath("a"),
         home.filePath("a/b/Velmora.conf")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        qputenv("HOME", QFile::encodeName(home.path()));
        if (c.configHome.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", c.configHome);
        ASSERT_EQ(QtSettingsStore::filePath(), c.file);
        startWithStore();
        EXPECT_EQ(text("ClientTime"), "05");
        form->close();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(modals.messages().isEmpty()) << modals.messages().join('|').toStdString();
        const QSettings written(c.file, QSettings::IniFormat);
        EXPECT_EQ(written.value("sdvg/sd").toString(), "05");
        EXPECT_EQ(written.value("sdvg/dg").toString(), "060");
        EXPECT_EQ(written.value("sdvg/dm").toString(), "36");
        struct stat made = {};
        ASSERT_EQ(::stat(QFile::encodeName(c.made).constData(), &made), 0);
        EXPECT_EQ(made.st_mode & 0777, 0700u);
    }
}

// The save folder is a convenience: a store that cannot take it makes no
// failure of a good save, and the folder is still proposed next time.
TEST_F(SettingsFaults, AGoodSaveIsNoFailureWhenItsFolderCannotBeStored)
{
    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("Velmora.conf.lock")))); // a lock that cannot be taken
    startWithStore();
    QTemporaryDir folder;
    EXPECT_TRUE(form->saveChartTo(folder.filePath(QStringLiteral("chart.png"))));
    EXPECT_TRUE(modals.messages().isEmpty()) << modals.messages().join('|').toStdString();
    QString proposed;
    modals.expect();
    modals.onDialog([&](QWidget *dialog) {
        proposed = qobject_cast<QFileDialog *>(dialog)->selectedFiles().value(0);
        static_cast<QDialog *>(dialog)->reject();
    });
    form->NSaveClick();
    EXPECT_EQ(QFileInfo(proposed).path(), folder.path());
    QDir().rmdir(path(QStringLiteral("Velmora.conf.lock")));
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// The client file on the disk, through the real SQLite: where it is made
// and with which modes, and what happens to it when it is damaged, newer,
// not a file, locked by a second program, starved of space, or when the
// program importing into it is killed.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ClientFile.h"
#include "ClientRows.h"
#include "TestFiles.h"

namespace {

Client Visitor(const QString &name)
{
    return Person(name, QStringLiteral("заметки о встрече, вопросы о работе и о семье"));
}

unsigned Mode(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// A file of count clients, closed again.
QString FileOf(const QTemporaryDir &folder, int count)
{
    const QString path = folder.filePath(QStringLiteral("clients.sqlite"));
    ClientFile file(path);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(file.add(Visitor(QStringLiteral("Клиент %1").arg(i))).Error, ClientError::None);
    return path;
}

// A statement run on the file by a connection of the test's own.
void RunSql(const QString &path, const QString &statement)
{
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
}

// The test's second program (ClientChild.cpp), its output on a pipe.
struct Child {
    pid_t Pid = -1;
    int Output = -1;

    Child(const char *command, const QString &path, const QString &argument)
    {
        int pipe[2];
        EXPECT_EQ(::pipe(pipe), 0);
        const std::string file = path.toStdString(), last = argument.toStdString();
        Pid = ::fork();
        if (Pid == 0) {
            ::dup2(pipe[1], 1);
            ::execl(VELMORA_CLIENT_CHILD, VELMORA_CLIENT_CHILD, command, file.c_str(), last.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(pipe[1]);
        Output = pipe[0];
    }
    ~Child() { ::close(Output); }

    std::string line() const
    {
        std::string text;
        char c = 0;
        while (::read(Output, &c, 1) == 1 && c != '\n')
            text += c;
        return text;
    }

    int wait() const
    {
        int status = 0;
        ::waitpid(Pid, &status, 0);
        return status;
    }
};

} // namespace

// Nothing is touched before the first call that needs the file; then the
// folders and the file are the user's alone.
TEST(ClientFileOpening, MadeLazilyInTheDataFolderForTheUserAlone)
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    ASSERT_FALSE(data.isEmpty());
    ASSERT_TRUE(QDir(data).removeRecursively());
    ClientFile file;
    EXPECT_EQ(file.path(), data + QStringLiteral("/velmora/clients.sqlite"));
    EXPECT_FALSE(QFileInfo::exists(data));
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty()) << "the SQL driver is loaded before it is needed";

    EXPECT_EQ(file.state(), ClientError::None);
    EXPECT_FALSE(file.readOnly());
    EXPECT_EQ(Mode(data), 0700u);
    EXPECT_EQ(Mode(data + QStringLiteral("/velmora")), 0700u);
    ASSERT_NE(file.add(Visitor(QStringLiteral("Анна"))).Id, 0);
    for (const char *suffix : {"", "-wal", "-shm"})
        EXPECT_EQ(Mode(file.path() + QString::fromLatin1(suffix)), 0600u) << suffix;

    // A file of version 0, as SQLite leaves an empty file, is set up; one
    // holding other tables is somebody else's and is left alone.
    QTemporaryDir folder;
    const QString empty = folder.filePath(QStringLiteral("empty.sqlite"));
    Write(empty, {});
    EXPECT_EQ(ClientFile(empty).add(Visitor(QStringLiteral("Анна"))).Error, ClientError::None);
    const QString foreign = folder.filePath(QStringLiteral("foreign.sqlite"));
    RunSql(foreign, QStringLiteral("CREATE TABLE notes (text TEXT)"));
    const QByteArray before = Contents(foreign);
    EXPECT_EQ(ClientFile(foreign).state(), ClientError::Foreign);
    EXPECT_EQ(Contents(foreign), before);
}

TEST(ClientFileOpening, ChangesKeepCreatedAndNeverReuseAnId)
{
    QTemporaryDir folder;
    ClientFile file(FileOf(folder, 0));
    const qint64 first = file.add(Visitor(QStringLiteral("Анна"))).Id;
    const qint64 second = file.add(Visitor(QStringLiteral("Борис"))).Id;
    Client changed = *file.byId(first);
    changed.Notes = QStringLiteral("новые заметки");
    changed.Created = QDateTime();
    EXPECT_EQ(file.update(changed), ClientError::None);
    const Client stored = *ClientFile(file.path()).byId(first);
    EXPECT_EQ(stored.Notes, changed.Notes);
    EXPECT_TRUE(stored.Created.isValid());
    EXPECT_EQ(stored.Created, file.byId(first)->Created);
    EXPECT_GE(stored.Changed, stored.Created);
    EXPECT_EQ(stored.Created.timeSpec(), Qt::UTC);

    EXPECT_EQ(file.remove(second), ClientError::None);
    EXPECT_EQ(file.remove(second), ClientError::NotFound);
    Client gone = Visitor(QStringLiteral("Борис"));
    gone.Id = second;
    EXPECT_EQ(file.update(gone), ClientError::NotFound);
    EXPECT_GT(file.add(gone).Id, second);
    gone.Date = QStringLiteral("30.02.1985");
    EXPECT_EQ(file.add(gone).Error, ClientError::Invalid);
}

// A file SQLite cannot read, or whose check fails, is reported with the
// way to repair a copy, and left byte for byte as it was.
TEST(ClientFileFaults, ADamagedFileIsLeftAsItWas)
{
    QTemporaryDir folder;
    const QString path = FileOf(folder, 300);
    const QByteArray good = Contents(path);
    ASSERT_GT(good.size(), 8 * 4096);
    QByteArray header = good, middle = good;
    header.replace(0, 100, QByteArray(100, 'x'));
    middle.replace(good.size() / 2 / 4096 * 4096, 4096, QByteArray(4096, 'Z'));
    for (const auto &[name, damaged] : {std::pair{"header", header}, {"middle", middle}}) {
        Write(path, damaged);
        {
            ClientFile file(path);
            EXPECT_EQ(file.state(), ClientError::Damaged) << name;
            EXPECT_TRUE(file.all().empty()) << name;
            EXPECT_EQ(file.add(Visitor(QStringLiteral("Анна"))).Error, ClientError::Damaged) << name;
            EXPECT_EQ(file.importCsv(ClientRowsCsv(3, 10)).Error, ClientError::Damaged) << name;
            const QString text = ClientErrorText(file.state(), file.path());
            EXPECT_TRUE(text.contains(path) && text.contains(QStringLiteral(".recover"))) << text.toStdString();
        }
        EXPECT_EQ(Contents(path), damaged) << name;
    }
}

// A file of a later version is read, and every change refused.
TEST(ClientFileFaults, ANewerFileIsOnlyRead)
{
    QTemporaryDir folder;
    const QString path = FileOf(folder, 2);
    RunSql(path, QStringLiteral("PRAGMA user_version = 99"));
    const QByteArray before = Contents(path);
    {
        ClientFile file(path);
        EXPECT_EQ(file.state(), ClientError::NewerFile);
        EXPECT_TRUE(file.readOnly());
        ASSERT_EQ(file.all().size(), 2u);
        Client client = file.all().front();
        EXPECT_EQ(file.add(client).Error, ClientError::NewerFile);
        EXPECT_EQ(file.update(client), ClientError::NewerFile);
        EXPECT_EQ(file.remove(client.Id), ClientError::NewerFile);
        EXPECT_EQ(file.importCsv(ClientRowsCsv(3, 10)).Error, ClientError::NewerFile);
    }
    EXPECT_EQ(Contents(path), before);
}

// A folder, a FIFO, or a link to one, of the file's name: refused, and
// left as it is. A link to a regular file is followed.
TEST(ClientFileFaults, OnlyARegularFileIsOpened)
{
    QTemporaryDir folder;
    const QString clients = FileOf(folder, 1);
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString toFifo = folder.filePath(QStringLiteral("to-fifo.sqlite"));
    const QString toClients = folder.filePath(QStringLiteral("to-clients.sqlite"));
    const QString dangling = folder.filePath(QStringLiteral("dangling.sqlite"));
    ASSERT_TRUE(QFile::link(fifo, toFifo) && QFile::link(clients, toClients));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("none")), dangling));
    for (const QString &path : {fifo, toFifo, folder.path(), dangling}) {
        ClientFile file(path);
        EXPECT_EQ(file.state(), ClientError::NotAFile) << path.toStdString();
        EXPECT_EQ(file.add(Visitor(QStringLiteral("Анна"))).Error, ClientError::NotAFile);
    }
    EXPECT_TRUE(QFileInfo(toFifo).isSymLink());
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("none"))));
    struct stat status = {};
    EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
    EXPECT_EQ(ClientFile(toClients).all().size(), 1u);
}

// Two files open on one path see each other's changes.
TEST(ClientFileWriters, TwoOpenFilesStayInStep)
{
    QTemporaryDir folder;
    ClientFile one(FileOf(folder, 1)), two(one.path());
    ASSERT_EQ(two.all().size(), 1u);
    const qint64 id = one.add(Visitor(QStringLiteral("Вера"))).Id;
    ASSERT_TRUE(two.byId(id));
    Client changed = *two.byId(id);
    changed.Name = QStringLiteral("Вера Павловна");
    ASSERT_EQ(two.update(changed), ClientError::None);
    EXPECT_EQ(one.byId(id)->Name, changed.Name);
    EXPECT_EQ(one.search(QStringLiteral("павл")).size(), 1u);
    ASSERT_EQ(one.remove(id), ClientError::None);
    EXPECT_FALSE(two.byId(id));
    EXPECT_EQ(two.update(changed), ClientError::NotFound);
}

// A second program holding the write lock is waited for up to 5 seconds;
// past that the change fails as Busy and nothing of it is stored.
TEST(ClientFileWriters, ALockedFileIsWaitedForThenBusy)
{
    QTemporaryDir folder;
    ClientFile file(FileOf(folder, 1));
    {
        const Child holder("hold", file.path(), QStringLiteral("1000"));
        ASSERT_EQ(holder.line(), "held");
        EXPECT_EQ(file.add(Visitor(QStringLiteral("Вера"))).Error, ClientError::None);
        EXPECT_EQ(holder.wait(), 0);
    }
    {
        const Child holder("hold", file.path(), QStringLiteral("7000"));
        ASSERT_EQ(holder.line(), "held");
        QElapsedTimer waited;
        waited.start();
        EXPECT_EQ(file.add(Visitor(QStringLiteral("Галина"))).Error, ClientError::Busy);
        EXPECT_GE(waited.elapsed(), 4500);
        EXPECT_EQ(holder.wait(), 0);
    }
    EXPECT_EQ(ClientFile(file.path()).all().size(), 2u);
    EXPECT_EQ(file.search(QStringLiteral("галина")).size(), 0u);
}

// An import killed inside its transaction leaves the file whole, holding
// all of the import or none of it.
TEST(ClientFileFaults, AKilledImportLeavesAllOrNothing)
{
    QTemporaryDir folder;
    const QString path = FileOf(folder, 1);
    const int rows = 20000;
    const QString csv = folder.filePath(QStringLiteral("many.csv"));
    Write(csv, ClientRowsCsv(rows, 300));
    const Child importer("import", path, csv);
    // The log grows before the commit as the transaction's pages spill.
    const QString log = path + QStringLiteral("-wal");
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(log).size() < 2'000'000 && waited.elapsed() < 60000
           && ::waitpid(importer.Pid, nullptr, WNOHANG) == 0)
        QThread::msleep(2);
    ::kill(importer.Pid, SIGKILL);
    const int status = importer.wait();
    EXPECT_TRUE(WIFSIGNALED(status)) << "the import ended before it was killed";

    ClientFile file(path);
    EXPECT_EQ(file.state(), ClientError::None);
    const std::size_t held = file.all().size();
    EXPECT_TRUE(held == 1 || held == 1 + rows) << held;
    EXPECT_EQ(file.importCsv(ClientRowsCsv(10, 20)).Added, 10);
}

// A full disk fails the change whole: a file system of 512 KiB in a child
// process of its own mount namespace (root only; skipped elsewhere).
TEST(ClientFileFaults, AFullDiskStoresNothing)
{
    QTemporaryDir folder;
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const QByteArray mountPoint = QFile::encodeName(folder.path());
        std::string outcome = "skipped";
        if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=512k,mode=0700") == 0) {
            ClientFile file(folder.filePath(QStringLiteral("clients.sqlite")));
            file.add(Visitor(QStringLiteral("Анна")));
            const QByteArray before = file.exportCsv();
            const ImportResult result = file.importCsv(ClientRowsCsv(3000, 300));
            outcome = result.Error == ClientError::DiskFull ? "disk full" : "another error";
            outcome += result.Added == 0 && file.exportCsv() == before ? ", nothing added" : ", added";
            outcome += ClientFile(file.path()).exportCsv() == before ? ", the file as before" : ", the file changed";
            const bool stored = file.add(Visitor(QStringLiteral("Вера"))).Error == ClientError::None;
            outcome += stored ? ", a small change stored" : ", no small change";
        }
        (void)::write(pipe[1], outcome.data(), outcome.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string outcome;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        outcome.append(buffer, std::size_t(got));
    ::close(pipe[0]);
    ::waitpid(child, nullptr, 0);
    if (outcome == "skipped")
        GTEST_SKIP() << "no file system of its own can be mounted here";
    EXPECT_EQ(outcome, "disk full, nothing added, the file as before, a small change stored");
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// A second program for the client file's tests, which the tests start and
// kill:
//   clients_test_child import FILE CSV   imports the CSV into FILE, exit 0 on success
//   clients_test_child hold FILE MS      takes FILE's write lock, says "held", keeps it MS milliseconds

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>
#include <cstring>

#include "ClientFile.h"

namespace {

int Import(const char *path, const char *csvPath)
{
    QFile csv(QString::fromLocal8Bit(csvPath));
    if (!csv.open(QIODevice::ReadOnly))
        return 2;
    ClientFile file(QString::fromLocal8Bit(path));
    return file.importCsv(csv.readAll()).Error == ClientError::None ? 0 : 1;
}

int Hold(const char *path, const char *milliseconds)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    database.setDatabaseName(QString::fromLocal8Bit(path));
    QSqlQuery query(database);
    if (!database.open() || !query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return 1;
    std::puts("held");
    std::fflush(stdout);
    QThread::msleep(std::strtoul(milliseconds, nullptr, 10));
    return query.exec(QStringLiteral("COMMIT")) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "import") == 0)
        return Import(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], argv[3]);
    std::fputs("usage: clients_test_child import FILE CSV | hold FILE MS\n", stderr);
    return 2;
}

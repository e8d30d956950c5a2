// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

#include <vector>

#include "Client.h"
#include "ClientError.h"

// The clients table of one SQLite file, through one connection of Qt's
// SQLite driver. Each call is one statement or a few; ClientFile decides
// when to open, check, upgrade and wrap changes in a transaction. A
// connection belongs to the thread that opened it.
class ClientStore
{
public:
    // The schema version this program writes, kept in PRAGMA user_version.
    // Version 0 is a new, empty file.
    static int Version();

    ClientStore();
    ~ClientStore();
    ClientStore(const ClientStore &) = delete;
    ClientStore &operator=(const ClientStore &) = delete;

    // Opens the file; readOnly opens it with QSQLITE_OPEN_READONLY, so no
    // statement can change it. Waits up to 5 seconds for a lock.
    ClientError open(const QString &path, bool readOnly);

    // PRAGMA quick_check: Damaged when the file is not an SQLite database
    // or its pages do not hold together.
    ClientError check();
    // PRAGMA user_version, and whether the file holds tables other than its
    // own while it says version 0.
    ClientError version(int &version);
    ClientError foreignTables(bool &any);
    // Write-ahead log, each commit synced to the disk, no function of the
    // file's schema run.
    ClientError setUpForWriting();
    // Brings the file from its version to Version() by the table of steps,
    // in one transaction.
    ClientError upgrade();

    // BEGIN IMMEDIATE: the write lock is taken at once, so a change that
    // cannot have it fails (Busy) before it has done anything.
    ClientError begin();
    ClientError commit();
    void rollback();

    // Changes every time another connection commits a change.
    ClientError dataVersion(qint64 &version);

    ClientError load(std::vector<Client> &clients);
    // Stores the clients as new ones, in order, and sets their Ids.
    ClientError insert(std::vector<Client> &clients);
    // NotFound when no client has the id. Created is left as stored.
    ClientError update(const Client &client);
    ClientError remove(qint64 id);

private:
    ClientError run(const QString &statement);
    ClientError value(const QString &statement, QVariant &value);

    QString m_name;
    QSqlDatabase m_database;
};

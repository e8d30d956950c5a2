// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientStore.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>

namespace {

// Step N brings a file of version N to version N + 1. A step is never
// changed once released, so a file of any earlier version opens in this one;
// later versions add steps.
const std::array<std::vector<const char *>, 1> Steps{{
    // 0 -> 1: the clients. AUTOINCREMENT keeps the id of a removed client
    // from being given to a new one, so an id the tool printed never comes
    // to name someone else.
    {"CREATE TABLE clients ("
     " id INTEGER PRIMARY KEY AUTOINCREMENT,"
     " name TEXT NOT NULL,"
     " sex TEXT NOT NULL,"
     " birth_date TEXT NOT NULL,"
     " birth_time TEXT NOT NULL,"
     " correction TEXT NOT NULL,"
     " zone TEXT NOT NULL,"
     " place TEXT NOT NULL,"
     " geonames_id INTEGER NOT NULL,"
     " longitude TEXT NOT NULL,"
     " hemisphere TEXT NOT NULL,"
     " notes TEXT NOT NULL,"
     " created TEXT NOT NULL,"
     " changed TEXT NOT NULL)"},
}};

const QString Columns = QStringLiteral("name, sex, birth_date, birth_time, correction, zone, place, geonames_id, "
                                       "longitude, hemisphere, notes, created, changed");

// SQLite's primary result codes (the driver turns on extended codes, whose
// low byte is the primary one).
enum SqliteCode {
    SqlitePerm = 3,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADatabase = 26,
};

ClientError ErrorOf(const QSqlError &error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    if (!number)
        return ClientError::Failed;
    switch (code) {
    case SqliteBusy:
    case SqliteLocked:
        return ClientError::Busy;
    case SqliteFull:
        return ClientError::DiskFull;
    case SqlitePerm:
    case SqliteReadOnly:
        return ClientError::ReadOnly;
    case SqliteCorrupt:
    case SqliteNotADatabase:
        return ClientError::Damaged;
    case SqliteCantOpen:
        return ClientError::CannotOpen;
    default:
        return ClientError::Failed;
    }
}

QString TimeText(const QDateTime &time) { return time.toUTC().toString(Qt::ISODate); }

QDateTime TimeOf(const QVariant &text)
{
    QDateTime time = QDateTime::fromString(text.toString(), Qt::ISODate);
    return time.toUTC();
}

void BindFields(QSqlQuery &query, const Client &c)
{
    // Empty texts are bound as "", never as NULL.
    const auto text = [](const QString &s) { return s.isNull() ? QStringLiteral("") : s; };
    for (const QString *field : {&c.Name, &c.Sex, &c.Date, &c.Time, &c.Correction, &c.Zone, &c.Place})
        query.addBindValue(text(*field));
    query.addBindValue(c.GeonamesId);
    for (const QString *field : {&c.Longitude, &c.Hemisphere, &c.Notes})
        query.addBindValue(text(*field));
}

Client ClientOf(const QSqlQuery &row)
{
    Client c;
    c.Id = row.value(0).toLongLong();
    c.Name = row.value(1).toString();
    c.Sex = row.value(2).toString();
    c.Date = row.value(3).toString();
    c.Time = row.value(4).toString();
    c.Correction = row.value(5).toString();
    c.Zone = row.value(6).toString();
    c.Place = row.value(7).toString();
    c.GeonamesId = row.value(8).toLongLong();
    c.Longitude = row.value(9).toString();
    c.Hemisphere = row.value(10).toString();
    c.Notes = row.value(11).toString();
    c.Created = TimeOf(row.value(12));
    c.Changed = TimeOf(row.value(13));
    return c;
}

} // namespace

int ClientStore::Version() { return int(Steps.size()); }

ClientStore::ClientStore()
{
    static QAtomicInteger<int> count;
    m_name = QStringLiteral("velmora-clients-%1").arg(count.fetchAndAddRelaxed(1));
}

ClientStore::~ClientStore()
{
    if (!m_database.isValid())
        return;
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

ClientError ClientStore::open(const QString &path, bool readOnly)
{
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (!m_database.isValid())
        return ClientError::NoDriver;
    m_database.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_database.setConnectOptions(options);
    if (!m_database.open()) {
        const ClientError error = ErrorOf(m_database.lastError());
        return error == ClientError::Failed ? ClientError::CannotOpen : error;
    }
    return run(QStringLiteral("PRAGMA busy_timeout = 5000"));
}

ClientError ClientStore::run(const QString &statement)
{
    QSqlQuery query(m_database);
    return query.exec(statement) ? ClientError::None : ErrorOf(query.lastError());
}

ClientError ClientStore::value(const QString &statement, QVariant &value)
{
    QSqlQuery query(m_database);
    if (!query.exec(statement))
        return ErrorOf(query.lastError());
    if (!query.next())
        return query.lastError().isValid() ? ErrorOf(query.lastError()) : ClientError::Failed;
    value = query.value(0);
    return ClientError::None;
}

ClientError ClientStore::check()
{
    QVariant result;
    const ClientError error = value(QStringLiteral("PRAGMA quick_check"), result);
    if (error == ClientError::None && result.toString() != u"ok")
        return ClientError::Damaged;
    return error;
}

ClientError ClientStore::version(int &version)
{
    QVariant result;
    const ClientError error = value(QStringLiteral("PRAGMA user_version"), result);
    version = result.toInt();
    return error;
}

ClientError ClientStore::foreignTables(bool &any)
{
    QVariant result;
    const ClientError error = value(QStringLiteral("SELECT count(*) FROM sqlite_schema"), result);
    any = result.toInt() > 0;
    return error;
}

// synchronous=FULL syncs the log at every commit: a client saved a moment
// before a power cut is still there. NORMAL would keep the file whole but
// could lose the last changes, and a change here is a person's work, made
// a few times a minute at most; an import is one commit however long.
ClientError ClientStore::setUpForWriting()
{
    for (const char *pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL", "PRAGMA trusted_schema = OFF"})
        if (const ClientError error = run(QString::fromLatin1(pragma)); error != ClientError::None)
            return error;
    return ClientError::None;
}

ClientError ClientStore::upgrade()
{
    if (const ClientError error = begin(); error != ClientError::None)
        return error;
    // Read again under the lock: another program may have done it meanwhile.
    int from = 0;
    ClientError error = version(from);
    for (int step = from; error == ClientError::None && step < Version(); ++step) {
        for (const char *statement : Steps[std::size_t(step)])
            if (error == ClientError::None)
                error = run(QString::fromUtf8(statement));
    }
    if (error == ClientError::None && from < Version())
        error = run(QStringLiteral("PRAGMA user_version = %1").arg(Version()));
    if (error == ClientError::None)
        error = commit();
    if (error != ClientError::None)
        rollback();
    return error;
}

ClientError ClientStore::begin() { return run(QStringLiteral("BEGIN IMMEDIATE")); }

ClientError ClientStore::commit() { return run(QStringLiteral("COMMIT")); }

void ClientStore::rollback() { run(QStringLiteral("ROLLBACK")); }

ClientError ClientStore::dataVersion(qint64 &version)
{
    QVariant result;
    const ClientError error = value(QStringLiteral("PRAGMA data_version"), result);
    version = result.toLongLong();
    return error;
}

ClientError ClientStore::load(std::vector<Client> &clients)
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, %1 FROM clients").arg(Columns)))
        return ErrorOf(query.lastError());
    clients.clear();
    while (query.next())
        clients.push_back(ClientOf(query));
    return query.lastError().isValid() ? ErrorOf(query.lastError()) : ClientError::None;
}

ClientError ClientStore::insert(std::vector<Client> &clients)
{
    QSqlQuery query(m_database);
    query.prepare(
        QStringLiteral("INSERT INTO clients (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(Columns));
    for (Client &client : clients) {
        BindFields(query, client);
        query.addBindValue(TimeText(client.Created));
        query.addBindValue(TimeText(client.Changed));
        if (!query.exec())
            return ErrorOf(query.lastError());
        client.Id = query.lastInsertId().toLongLong();
    }
    return ClientError::None;
}

ClientError ClientStore::update(const Client &client)
{
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("UPDATE clients SET name = ?, sex = ?, birth_date = ?, birth_time = ?, "
                                 "correction = ?, zone = ?, place = ?, geonames_id = ?, longitude = ?, "
                                 "hemisphere = ?, notes = ?, changed = ? WHERE id = ?"));
    BindFields(query, client);
    query.addBindValue(TimeText(client.Changed));
    query.addBindValue(client.Id);
    if (!query.exec())
        return ErrorOf(query.lastError());
    return query.numRowsAffected() == 0 ? ClientError::NotFound : ClientError::None;
}

ClientError ClientStore::remove(qint64 id)
{
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("DELETE FROM clients WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return ErrorOf(query.lastError());
    return query.numRowsAffected() == 0 ? ClientError::NotFound : ClientError::None;
}

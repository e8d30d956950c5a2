// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "ClientStore.h"
#include "FileKind.h"
#include "UserFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool Usable(ClientError state)
{
    return state == ClientError::None || state == ClientError::ReadOnly || state == ClientError::NewerFile;
}

QDateTime Now() { return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC); }

// Made here rather than by SQLite so that it is the user's alone from the
// first moment; SQLite gives its log and index files the same mode.
ClientError MakeFile(const QString &path)
{
    if (!MakeUserFolder(QFileInfo(path).absolutePath()))
        return ClientError::CannotOpen;
    const int file =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0) {
        if (errno == EEXIST) // made by another program meanwhile
            return KindOf(path) == FileKind::Regular ? ClientError::None : ClientError::NotAFile;
        return errno == ENOSPC || errno == EDQUOT ? ClientError::DiskFull : ClientError::CannotOpen;
    }
    ::close(file);
    return ClientError::None;
}

// SQLite writes its log and index files beside the file, so the folder must
// be writable too.
bool Writable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0
        && ::access(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), W_OK | X_OK) == 0;
}

} // namespace

ClientFile::ClientFile(QString path)
    : m_path(std::move(path))
{ }

ClientFile::~ClientFile() = default;

QString ClientFile::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/velmora/clients.sqlite");
}

ClientError ClientFile::state()
{
    openOnce();
    return m_state;
}

bool ClientFile::readOnly()
{
    openOnce();
    return m_readOnly;
}

void ClientFile::openOnce()
{
    if (m_opened)
        return;
    m_opened = true;
    m_state = openFile();
    if (Usable(m_state)) {
        if (const ClientError error = reload(); error != ClientError::None)
            m_state = error;
    }
    if (!Usable(m_state))
        m_store.reset();
}

// A file is first opened for reading only and checked, so a damaged or
// foreign file, or one of a later version, is never written, not even by
// the switch to the write-ahead log.
ClientError ClientFile::openFile()
{
    switch (KindOf(m_path)) {
    case FileKind::Other:
        return ClientError::NotAFile;
    case FileKind::Missing:
        if (const ClientError error = MakeFile(m_path); error != ClientError::None)
            return error;
        break;
    case FileKind::Regular:
        break;
    }
    m_store = std::make_unique<ClientStore>();
    bool foreign = false;
    if (const ClientError error = m_store->open(m_path, true); error != ClientError::None)
        return error;
    if (const ClientError error = m_store->check(); error != ClientError::None)
        return error;
    if (const ClientError error = m_store->version(m_version); error != ClientError::None)
        return error;
    if (m_version == 0 && m_store->foreignTables(foreign) == ClientError::None && foreign)
        return ClientError::Foreign;
    m_readOnly = true;
    if (m_version > ClientStore::Version())
        return ClientError::NewerFile;
    if (!Writable(m_path))
        return ClientError::ReadOnly;
    m_readOnly = false;
    return openForWriting();
}

ClientError ClientFile::openForWriting()
{
    m_store.reset();
    m_store = std::make_unique<ClientStore>();
    if (const ClientError error = m_store->open(m_path, false); error != ClientError::None)
        return error;
    if (const ClientError error = m_store->setUpForWriting(); error != ClientError::None)
        return error;
    if (const ClientError error = m_store->upgrade(); error != ClientError::None)
        return error;
    m_version = ClientStore::Version();
    return ClientError::None;
}

// A read-only file still at version 0 has no table yet: no clients.
ClientError ClientFile::reload()
{
    std::vector<Client> clients;
    if (m_version > 0) {
        if (const ClientError error = m_store->load(clients); error != ClientError::None)
            return error;
    }
    if (const ClientError error = m_store->dataVersion(m_dataVersion); error != ClientError::None)
        return error;
    m_index.assign(std::move(clients));
    return ClientError::None;
}

// Answers come from memory, read again when another program has committed
// a change since; if that reading fails, the last one stands.
bool ClientFile::readable()
{
    openOnce();
    if (!Usable(m_state))
        return false;
    qint64 version = 0;
    if (m_store->dataVersion(version) == ClientError::None && version != m_dataVersion)
        reload();
    return true;
}

ClientError ClientFile::writable()
{
    openOnce();
    return m_state;
}

template <typename Work>
ClientError ClientFile::change(Work work)
{
    if (const ClientError error = writable(); error != ClientError::None)
        return error;
    ClientError error = m_store->begin();
    if (error != ClientError::None)
        return error;
    error = work();
    if (error == ClientError::None)
        error = m_store->commit();
    if (error != ClientError::None) {
        m_store->rollback();
        if (error == ClientError::Damaged)
            m_state = error;
    }
    return error;
}

// The copy in memory takes a committed change as it is, unless another
// program changed the file too: then it is read again whole.
template <typename Apply>
void ClientFile::keepInStep(Apply apply)
{
    qint64 version = 0;
    if (m_store->dataVersion(version) == ClientError::None && version == m_dataVersion)
        apply();
    else
        reload();
}

std::vector<Client> ClientFile::all() { return readable() ? m_index.all() : std::vector<Client>(); }

std::vector<Client> ClientFile::search(const QString &text)
{
    return readable() ? m_index.matching(text) : std::vector<Client>();
}

std::optional<Client> ClientFile::byId(qint64 id)
{
    const Client *found = readable() ? m_index.find(id) : nullptr;
    return found ? std::optional(*found) : std::nullopt;
}

std::vector<Client> ClientFile::byName(const QString &name)
{
    return readable() ? m_index.named(name) : std::vector<Client>();
}

ClientFile::Added ClientFile::add(Client client)
{
    client.Name = TidyName(client.Name);
    if (CheckClient(client))
        return {0, ClientError::Invalid};
    client.Created = client.Changed = Now();
    std::vector<Client> one{std::move(client)};
    if (const ClientError error = change([&] { return m_store->insert(one); }); error != ClientError::None)
        return {0, error};
    keepInStep([&] { m_index.put(one.front()); });
    return {one.front().Id, ClientError::None};
}

ClientError ClientFile::update(const Client &client)
{
    Client stored = client;
    stored.Name = TidyName(stored.Name);
    if (CheckClient(stored))
        return ClientError::Invalid;
    stored.Changed = Now();
    if (const ClientError error = change([&] { return m_store->update(stored); }); error != ClientError::None)
        return error;
    keepInStep([&] {
        if (const Client *old = m_index.find(stored.Id))
            stored.Created = old->Created;
        m_index.put(stored);
    });
    return ClientError::None;
}

ClientError ClientFile::remove(qint64 id)
{
    if (const ClientError error = change([&] { return m_store->remove(id); }); error != ClientError::None)
        return error;
    keepInStep([&] { m_index.erase(id); });
    return ClientError::None;
}

QByteArray ClientFile::exportCsv() { return readable() ? ClientsCsv(m_index.all()) : QByteArray(); }

ImportResult ClientFile::importCsv(QByteArrayView csv)
{
    CsvClients read = ReadClientsCsv(csv);
    if (!read.Problems.empty())
        return {ClientError::Invalid, 0, std::move(read.Problems)};
    const QDateTime now = Now();
    for (Client &client : read.Clients)
        client.Created = client.Changed = now;
    if (const ClientError error = change([&] { return m_store->insert(read.Clients); }); error != ClientError::None)
        return {error, 0, {}};
    const int added = int(read.Clients.size());
    keepInStep([&] { m_index.putNew(std::move(read.Clients)); });
    return {ClientError::None, added, {}};
}

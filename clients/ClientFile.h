// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "Client.h"
#include "ClientCsv.h"
#include "ClientError.h"
#include "ClientIndex.h"

class ClientStore;

struct ImportResult {
    ClientError Error = ClientError::None; // Invalid when a record is bad
    int Added = 0;                         // clients added: all the records, or none
    std::vector<RowProblem> Problems;      // every bad record, by its line
};

// The practitioner's client file: an SQLite file, clients.sqlite in the
// user's data folder unless another path is given. Nothing is done until a
// call needs the file; the first one opens it, checks it and reads every
// client into memory, where the list, the search and the lookups are
// answered (and read again when another program has changed the file).
//
// Every change is one transaction, so it is stored whole or not at all, and
// failures are values: a file SQLite cannot read, a folder or a FIFO of that
// name, a file of a later version, a full disk, a lock held by another
// program for more than 5 seconds. A damaged, foreign or non-regular file is
// never written. One thread only.
class ClientFile
{
public:
    explicit ClientFile(QString path = DefaultPath());
    ~ClientFile();
    ClientFile(const ClientFile &) = delete;
    ClientFile &operator=(const ClientFile &) = delete;

    // $XDG_DATA_HOME/velmora/clients.sqlite (~/.local/share/velmora/... when
    // unset); folders the file makes are the user's alone (0700), the file too (0600).
    static QString DefaultPath();
    const QString &path() const { return m_path; }

    // How the opening went: None; ReadOnly or NewerFile, where the clients
    // can be read but not changed; or why the file cannot be used.
    ClientError state();
    bool readOnly();

    // Every client in name order (ClientIndex): case aside and "ё" as "е".
    std::vector<Client> all();
    // The clients whose name or notes contain the text, case aside and "ё"
    // as "е", in name order; everyone for blank text.
    std::vector<Client> search(const QString &text);
    std::optional<Client> byId(qint64 id);
    // The clients of that whole name, case aside and "ё" as "е": several when
    // they share it.
    std::vector<Client> byName(const QString &name);

    struct Added {
        qint64 Id = 0; // the new client's id, on success
        ClientError Error = ClientError::None;
    };
    // Stores a new client: the name tidied, Created and Changed now. Invalid
    // when CheckClient finds a fault.
    Added add(Client client);
    // Stores the client's fields under its Id: Changed now, Created kept.
    ClientError update(const Client &client);
    ClientError remove(qint64 id);

    // Every client as CSV (ClientsCsv) in name order, then by id; empty when
    // the file cannot be read.
    QByteArray exportCsv();
    // Adds every record of the CSV (ReadClientsCsv) in one transaction, or,
    // when a record is bad or the transaction fails, nothing at all.
    ImportResult importCsv(QByteArrayView csv);

private:
    void openOnce();
    ClientError openFile();
    ClientError openForWriting();
    bool readable();
    ClientError writable();
    ClientError reload();
    template <typename Work>
    ClientError change(Work work);
    template <typename Apply>
    void keepInStep(Apply apply);

    QString m_path;
    bool m_opened = false;
    ClientError m_state = ClientError::None;
    bool m_readOnly = false;
    int m_version = 0;
    std::unique_ptr<ClientStore> m_store;
    ClientIndex m_index;
    qint64 m_dataVersion = 0;
};

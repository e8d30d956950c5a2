// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

#include "Client.h"

// The clients of a file held in memory in name order, for the list and for
// the search as the user types: each key searches the names and notes of
// every client in one pass over one block of text.
//
// Names and notes are compared in search form (place/SearchKey.h): case,
// "ё" against "е" and accents aside, hyphens as blanks. Name order is the
// search form's order (by UTF-16 code units), then the id.
class ClientIndex
{
public:
    void assign(std::vector<Client> clients);
    // Adds the client, or replaces the one of the same id.
    void put(Client client);
    // Adds clients whose ids none of those held has.
    void putNew(std::vector<Client> clients);
    // False when no client has the id.
    bool erase(qint64 id);

    const Client *find(qint64 id) const;
    std::size_t size() const { return m_entries.size(); }

    std::vector<Client> all() const;
    // The clients whose name or notes contain the text in search form, in
    // name order; all of them for a text that is blank in search form.
    std::vector<Client> matching(const QString &text) const;
    // The clients whose whole name equals the name in search form.
    std::vector<Client> named(const QString &name) const;

private:
    struct Entry {
        QString Key;       // the name in search form
        QByteArray Folded; // name and notes in search form, packed, each ended by '\n'
        Client Record;
    };
    static Entry EntryOf(Client client);
    static bool Before(const Entry &a, const Entry &b);
    std::vector<Entry>::iterator at(qint64 id);
    void joinFolded() const;

    std::vector<Entry> m_entries; // in name order
    // Every entry's Folded, in order, and where each begins; made again by
    // the first search after a change.
    mutable QByteArray m_text;
    mutable std::vector<qsizetype> m_starts;
    mutable bool m_joined = false;
};

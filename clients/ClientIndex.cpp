// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientIndex.h"

#include "SearchKey.h"

#include <algorithm>
#include <cstring>

namespace {

// The search form packed one byte a character for Russian text, which
// halves the text each key scans: ASCII as it is, "а".."я" as 0xC0..0xDF,
// any other UTF-16 unit as 0xF0 and its four hex digits as 0xE0..0xEF. A
// query never starts with a digit byte, so each match starts at a
// character, and packed matches are the search form's matches. A zero
// character is made a blank.
QByteArray Packed(const QString &key)
{
    QByteArray packed;
    packed.reserve(key.size());
    for (const QChar c : key) {
        const char16_t unit = c.unicode();
        if (unit == 0) {
            packed += ' ';
        } else if (unit < 0x80) {
            packed += char(unit);
        } else if (unit >= u'а' && unit <= u'я') {
            packed += char(0xC0 + (unit - u'а'));
        } else {
            packed += char(0xF0);
            for (int shift = 12; shift >= 0; shift -= 4)
                packed += char(0xE0 | ((unit >> shift) & 0xF));
        }
    }
    return packed;
}

// The search form has no line breaks (blanks are squeezed), so '\n' only
// ends a name or notes and no match runs from one into the next.
QByteArray Folded(const QString &text) { return Packed(SearchKey(text)) + '\n'; }

} // namespace

ClientIndex::Entry ClientIndex::EntryOf(Client client)
{
    QString key = SearchKey(client.Name);
    QByteArray folded = Folded(client.Name) + Folded(client.Notes);
    return {std::move(key), std::move(folded), std::move(client)};
}

bool ClientIndex::Before(const Entry &a, const Entry &b)
{
    const int order = a.Key.compare(b.Key);
    return order != 0 ? order < 0 : a.Record.Id < b.Record.Id;
}

void ClientIndex::assign(std::vector<Client> clients)
{
    m_entries.clear();
    m_entries.reserve(clients.size());
    for (Client &client : clients)
        m_entries.push_back(EntryOf(std::move(client)));
    std::sort(m_entries.begin(), m_entries.end(), Before);
    m_joined = false;
}

std::vector<ClientIndex::Entry>::iterator ClientIndex::at(qint64 id)
{
    return std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry &e) { return e.Record.Id == id; });
}

void ClientIndex::put(Client client)
{
    erase(client.Id);
    Entry entry = EntryOf(std::move(client));
    m_entries.insert(std::upper_bound(m_entries.begin(), m_entries.end(), entry, Before), std::move(entry));
    m_joined = false;
}

void ClientIndex::putNew(std::vector<Client> clients)
{
    const auto held = std::ptrdiff_t(m_entries.size());
    for (Client &client : clients)
        m_entries.push_back(EntryOf(std::move(client)));
    std::sort(m_entries.begin() + held, m_entries.end(), Before);
    std::inplace_merge(m_entries.begin(), m_entries.begin() + held, m_entries.end(), Before);
    m_joined = false;
}

bool ClientIndex::erase(qint64 id)
{
    const auto found = at(id);
    if (found == m_entries.end())
        return false;
    m_entries.erase(found);
    m_joined = false;
    return true;
}

const Client *ClientIndex::find(qint64 id) const
{
    const auto found = const_cast<ClientIndex *>(this)->at(id);
    return found == m_entries.end() ? nullptr : &found->Record;
}

std::vector<Client> ClientIndex::all() const
{
    std::vector<Client> clients;
    clients.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        clients.push_back(entry.Record);
    return clients;
}

void ClientIndex::joinFolded() const
{
    if (m_joined)
        return;
    qsizetype size = 0;
    for (const Entry &entry : m_entries)
        size += entry.Folded.size();
    // Emptied, not freed: the next join reuses the memory.
    m_text.resize(0);
    m_text.reserve(size);
    m_starts.clear();
    m_starts.reserve(m_entries.size() + 1);
    for (const Entry &entry : m_entries) {
        m_starts.push_back(m_text.size());
        m_text += entry.Folded;
    }
    m_starts.push_back(m_text.size());
    m_joined = true;
}

// One memmem over the joined text finds the first match; the search then
// goes on from the start of the next client, so each client costs at most
// one match however often its notes hold the text.
std::vector<Client> ClientIndex::matching(const QString &text) const
{
    const QByteArray query = Packed(SearchKey(text));
    if (query.isEmpty())
        return all();
    joinFolded();
    std::vector<std::size_t> hits;
    const char *begin = m_text.constData();
    qsizetype from = 0;
    while (from < m_text.size()) {
        const void *hit =
            ::memmem(begin + from, std::size_t(m_text.size() - from), query.constData(), std::size_t(query.size()));
        if (!hit)
            break;
        const qsizetype offset = static_cast<const char *>(hit) - begin;
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
        hits.push_back(std::size_t(next - m_starts.begin() - 1));
        from = *next;
    }
    std::vector<Client> found;
    found.reserve(hits.size());
    for (const std::size_t hit : hits)
        found.push_back(m_entries[hit].Record);
    return found;
}

std::vector<Client> ClientIndex::named(const QString &name) const
{
    const QString key = SearchKey(name);
    std::vector<Client> found;
    const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                        [](const Entry &e, const QString &k) { return e.Key < k; });
    for (auto it = first; it != m_entries.end() && it->Key == key; ++it)
        found.push_back(it->Record);
    return found;
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MessageCatalog.h"

#include <QFile>
#include <QtEndian>

#include <optional>

namespace {

constexpr quint32 Magic = 0x950412de;

// The file's 32-bit words in the byte order its magic number shows.
class Words
{
public:
    explicit Words(const QByteArray &data)
        : m_data(data)
    {
        m_swapped = At(0) != Magic;
    }
    bool Valid() const { return At(0) == Magic; }
    std::optional<quint32> At(qsizetype offset) const
    {
        if (offset < 0 || offset + 4 > m_data.size())
            return std::nullopt;
        const quint32 word = qFromLittleEndian<quint32>(m_data.constData() + offset);
        return m_swapped ? qbswap(word) : word;
    }
    // The string of a (length, offset) table entry.
    std::optional<QByteArray> String(qsizetype entry) const
    {
        const auto length = At(entry);
        const auto offset = At(entry + 4);
        if (!length || !offset || qsizetype(*offset) + qsizetype(*length) > m_data.size())
            return std::nullopt;
        return m_data.mid(*offset, *length);
    }

private:
    const QByteArray &m_data;
    bool m_swapped = false;
};

} // namespace

MessageCatalog MessageCatalog::Load(const QString &path)
{
    MessageCatalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalog;
    const QByteArray data = file.readAll();
    const Words words(data);
    const auto count = words.At(8);
    const auto originals = words.At(12);
    const auto translations = words.At(16);
    if (!words.Valid() || !count || !originals || !translations)
        return catalog;
    catalog.m_translations.reserve(*count);
    for (quint32 i = 0; i < *count; ++i) {
        const auto id = words.String(*originals + 8 * qsizetype(i));
        const auto text = words.String(*translations + 8 * qsizetype(i));
        if (!id || !text)
            return {};
        if (!id->isEmpty())
            catalog.m_translations.insert(*id, QString::fromUtf8(*text));
    }
    return catalog;
}

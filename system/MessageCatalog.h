// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// A compiled gettext message catalog (.mo file), read whole into memory:
// the translation of each message id. Read directly rather than through
// gettext, so that the translations do not depend on the process's locale.
class MessageCatalog
{
public:
    MessageCatalog() = default;
    // An unreadable or malformed file gives an empty catalog.
    static MessageCatalog Load(const QString &path);

    // The translation of id, or an empty text when there is none.
    QString Translate(const QByteArray &id) const { return m_translations.value(id); }
    qsizetype Size() const { return m_translations.size(); }

private:
    QHash<QByteArray, QString> m_translations;
};

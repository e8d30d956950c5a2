// SPDX-License-Identifier: AGPL-3.0-or-later
#include "OtherNames.h"

#include "DataFolder.h"

#include <QFile>

std::vector<OtherName> LoadOtherNames(const QString &path)
{
    std::vector<OtherName> names;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return names;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
        if (fields.size() < 2 || fields[0].startsWith('#'))
            continue;
        bool valid = false;
        const std::uint32_t id = fields[1].toUInt(&valid);
        const QString name = QString::fromUtf8(fields[0]).trimmed();
        if (valid && id != 0 && !name.isEmpty())
            names.push_back({name, id});
    }
    return names;
}

QString InstalledOtherNamesPath() { return InstalledDataFolder() + QStringLiteral("/other-names.tsv"); }

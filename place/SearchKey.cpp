// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SearchKey.h"

namespace {

bool IsApostrophe(QChar c) { return c == u'\'' || c == u'’' || c == u'ʼ' || c == u'`' || c == u'‘'; }

} // namespace

QString SearchKey(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D).toLower();
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || IsApostrophe(c))
            continue;
        key.append(c == u'-' ? QChar(u' ') : c);
    }
    return key.simplified();
}

std::optional<MatchRank> Match(const QString &name, const QString &query)
{
    if (query.isEmpty())
        return std::nullopt;
    qsizetype at = name.indexOf(query);
    if (at < 0)
        return std::nullopt;
    if (at == 0)
        return name.size() == query.size() ? MatchRank::Whole : MatchRank::Start;
    for (; at > 0; at = name.indexOf(query, at + 1))
        if (name.at(at - 1) == u' ')
            return MatchRank::WordStart;
    return MatchRank::Inside;
}

CityQuery ParseCityQuery(const QString &text)
{
    const QStringList parts = text.split(u',');
    CityQuery query{SearchKey(parts.front()), {}};
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (QString key = SearchKey(parts[i]); !key.isEmpty())
            query.Places.append(std::move(key));
    return query;
}

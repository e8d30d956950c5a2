#include "CityNamed.h"

namespace {

constexpr std::size_t Candidates = 5;

} // namespace

NamedCity CityNamed(const CityIndex &index, const QString &query)
{
    const std::vector<CityHit> hits = index.Find(query, Candidates);
    if (!hits.empty() && hits.front().NamesCity())
        return {hits.front().Place, {}};
    QString error = QStringLiteral("no place is named \"%1\"").arg(query);
    if (!hits.empty())
        error += QStringLiteral("; did you mean: ") + HitTexts(hits).join(QStringLiteral("; "));
    return {nullptr, error};
}

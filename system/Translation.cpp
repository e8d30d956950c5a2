// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Translation.h"

#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> &Catalog()
{
    static std::unique_ptr<QTranslator> catalog;
    return catalog;
}

} // namespace

Language LanguageOfEnvironment()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (value.isEmpty())
            continue;
        // ru, ru_RU, ru_RU.UTF-8, ru_UA@...; not "rus" or "run".
        const bool russian = value.startsWith("ru") && (value.size() == 2 || !QChar::isLetter(value.at(2)));
        return russian ? Language::Russian : Language::English;
    }
    return Language::English;
}

bool UseLanguage(Language language)
{
    Catalog().reset();
    if (language == Language::English)
        return true;
    auto catalog = std::make_unique<QTranslator>();
    if (!catalog->load(QStringLiteral(":/velmora/translations/velmora_ru.qm")))
        return false;
    Catalog() = std::move(catalog);
    return true;
}

QString Translate(const char *context, const char *source)
{
    if (Catalog()) {
        const QString text = Catalog()->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

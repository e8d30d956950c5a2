// SPDX-License-Identifier: AGPL-3.0-or-later
#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Translation.h"

bool InstallQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // qtbase covers the widgets, dialogs and buttons the program uses.
    // The window speaks Russian whatever the locale: its own messages too.
    const bool own = UseLanguage(Language::Russian);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator) && own;
}

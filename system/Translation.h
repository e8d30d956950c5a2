// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program's own messages are written in English in the code and shown in
// English or in Russian, the language chosen once at start. The Russian
// texts come from the catalog compiled into the program
// (translations/velmora_ru.ts, kept up to date with lupdate).

enum class Language { English, Russian };

// Russian when the locale named for messages (LC_ALL, else LC_MESSAGES, else
// LANG, as the C library takes them) is a Russian one, else English.
Language LanguageOfEnvironment();

// Makes Translate give the texts of language from now on. False when the
// Russian catalog cannot be read; the texts then stay English.
bool UseLanguage(Language language);

// The source text in the chosen language; the source itself when the
// catalog lacks it. lupdate finds the calls by the name Translate, which it
// takes as QCoreApplication::translate.
QString Translate(const char *context, const char *source);

// The text with %1, %2, ... replaced by the UTF-8 texts given, in one pass
// (a "%1" inside an argument stays as it is), as UTF-8.
template <typename... Texts>
std::string Filled(const QString &text, const Texts &...arguments)
{
    if constexpr (sizeof...(arguments) == 0)
        return text.toStdString();
    else
        return text.arg(QString::fromUtf8(std::string_view(arguments))...).toStdString();
}

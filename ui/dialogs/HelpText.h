// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// The help file, looked up by this relative name in the current working
// directory, and where nothing there has the name, in the data folder
// installed with the program or under the system's data folders
// (velmora/help.txt). Read anew on every use; the program never writes it.
inline constexpr char HelpFileName[] = "help.txt";

// At most this much of the help file is read: 128 times the help text that
// comes with the program, some 60 pages of Russian text, and still shown
// at once. A longer file is cut there, and the text says so at its end.
inline constexpr qsizetype HelpReadLimit = 256 * 1024;
inline constexpr char HelpCutNote[] = "[Показаны первые 256 КБ файла help.txt; остальная часть файла не прочитана.]";

// The text of the help box from the file's bytes: lines end with CR LF or LF,
// a lone CR is dropped, Ctrl-Z (26) ends the text, and every line follows one
// CR LF, so a non-empty text begins with a line break. UTF-8, and a file that
// is not valid UTF-8 is read as Windows-1251.
QString HelpTextFromBytes(QByteArray bytes);

// The user-facing message for a failed open or read (an errno value):
// "File not found", "File access denied" or "I/O error <number>".
QString FileErrorMessage(int errorNumber);

// Reads the help file found as above (a regular file, or a link to one, up to
// HelpReadLimit bytes); throws VelmoraError with FileErrorMessage, "File
// access denied" for anything that is not a regular file or a folder.
QString ReadHelpText();

// The help command: reads the file, then shows its text in one message box
// with an OK button and no icon, or in the scrolling HelpBox when a message
// box would not fit the screen. A read error throws before any box shows.
void ShowHelp(QWidget *parent);

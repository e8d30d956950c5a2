#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// The help file, looked up by this relative name in the current working
// directory and read anew on every use; the program never writes it.
inline constexpr char HelpFileName[] = "help.txt";

// The text of the help box from the file's bytes: lines end with CR LF or LF,
// a lone CR is dropped, Ctrl-Z (26) ends the text, and every line follows one
// CR LF, so a non-empty text begins with a line break. UTF-8, and a file that
// is not valid UTF-8 is read as Windows-1251.
QString HelpTextFromBytes(QByteArray bytes);

// The user-facing message for a failed open or read (an errno value):
// "File not found", "File access denied" or "I/O error <number>".
QString FileErrorMessage(int errorNumber);

// Reads the help file whole; throws VelmoraError with FileErrorMessage.
QString ReadHelpText();

// The help command: reads the file, then shows its text in one message box
// with an OK button and no icon. A read error throws before any box shows.
void ShowHelp(QWidget *parent);

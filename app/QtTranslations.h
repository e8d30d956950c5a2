#pragma once

class QCoreApplication;

// Qt's own texts (the edit fields' context menu, standard buttons and
// dialogs) in Russian, like the rest of the program, whatever the system's
// language. Without Qt's translation files they stay in English. True when
// the translation was installed.
bool InstallQtTranslations(QCoreApplication &app);

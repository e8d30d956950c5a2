// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

class QCoreApplication;

// Qt's own texts (the edit fields' context menu, standard buttons and
// dialogs) and the program's messages in Russian, whatever the system's
// language. Without Qt's translation files Qt's texts stay in English. True
// when both translations were installed.
bool InstallQtTranslations(QCoreApplication &app);

// SPDX-License-Identifier: AGPL-3.0-or-later
// Velmora: the chart of a moment in four pillars and two squares.

#include <QApplication>

#include "AboutUnit.h"
#include "AppIcon.h"
#include "BuildInfo.h"
#include "FontConfigWarmup.h"
#include "MainUnit.h"
#include "QtSettingsStore.h"
#include "QtTranslations.h"
#include "TerminationSignals.h"
#include "Unit2.h"

int main(int argc, char *argv[])
{
    FontConfigWarmup fontConfig;
    QApplication app(argc, argv);
    fontConfig.wait();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::Version));
    QApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::AppId));
    InstallQtTranslations(app);

    // The three windows live until the program ends, created in this order.
    QtSettingsStore settings;
    TMainForm form(settings);
    TPickDate picker(&form);
    TAboutBox about(&form);
    form.setDialogs(&picker, &about);

    // Logging off, shutting down or a stop request closes the window as the
    // user would, so the correction and longitude are stored.
    TerminationSignals stopRequests(&form);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, &TMainForm::closeAtSessionEnd);

    SetAppIconAfterFirstFrame(&form);
    form.show();
    return QApplication::exec();
}

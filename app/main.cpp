// Velmora: the chart of a moment in four pillars and two squares.

#include <QApplication>

#include "AboutUnit.h"
#include "MainUnit.h"
#include "QtSettingsStore.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    // The three windows live until the program ends, created in this order.
    QtSettingsStore settings;
    TMainForm form(settings);
    TAboutBox about(&form);
    form.setDialogs(nullptr, &about);
    form.show();
    return QApplication::exec();
}

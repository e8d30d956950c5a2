// Velmora: the chart of a moment in four pillars and two squares.

#include <QApplication>

#include "MainUnit.h"
#include "QtSettingsStore.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    QtSettingsStore settings;
    TMainForm form(settings);
    form.show();
    return QApplication::exec();
}

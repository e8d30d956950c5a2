// SPDX-License-Identifier: AGPL-3.0-or-later
// The yardstick for the start-up benchmark (bench/startup.sh): a bare Qt
// main window with a menu bar of two menus and an empty central widget of
// the main window's client size, started the same way as the program.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("BareWindow"));
    QMenu *print = window.menuBar()->addMenu(QStringLiteral("&Печать"));
    print->addAction(QStringLiteral("Выход"), &window, &QWidget::close);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("С&правка"));
    help->addAction(QStringLiteral("О программе"));
    auto *client = new QWidget(&window);
    client->setFixedSize(473, 369);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}

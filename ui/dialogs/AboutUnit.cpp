// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AboutUnit.h"

#include "BuildInfo.h"
#include "Canvas.h"
#include "Fonts.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>

namespace {

constexpr unsigned Maroon = 128;
constexpr unsigned Navy = 8388608;
constexpr int BoxWidth = 289;
constexpr int BoxHeight = 105;

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
    setFont(Canvas::defaultFont());
    setFixedSize(BoxWidth, BoxHeight);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // A groove: lowered outside, raised inside.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setGeometry(0, 0, BoxWidth, BoxHeight);
    ProductName = addLabel("ProductName", QStringLiteral("Velmora"), 35, 10, Maroon, 11);
    ProductName->setFixedSize(211, 13);
    Version = addLabel("Version", QStringLiteral("версия ") + QString::fromLatin1(BuildInfo::ShortVersion), 193, 27,
                       Maroon, 11);
    Version->setFixedSize(72, 13);
    Label3 = addLabel("Label3", QStringLiteral("Четыре столпа и квадраты феншуй"), 6, 60, Navy, 12);
    Label2 = addLabel("Label2", QStringLiteral("© Разработчики Velmora"), 6, 76, Navy, 12);
}

QLabel *TAboutBox::addLabel(const char *name, const QString &text, int left, int top, unsigned color, int pixelSize)
{
    auto *label = new QLabel(text, Panel1);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(PixelFont(pixelSize, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorFromValue(color));
    label->setPalette(palette);
    label->move(left, top);
    // No size yet: the first show fits a label never resized to its text,
    // and measuring it now would load glyphs the first frame of the program
    // does not need.
    return label;
}

// Centred on the screen rather than over the main window.
void TAboutBox::showEvent(QShowEvent *event)
{
    if (const QScreen *current = screen())
        move(current->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

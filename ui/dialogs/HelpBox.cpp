// SPDX-License-Identifier: AGPL-3.0-or-later
#include "HelpBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "MessageBoxes.h"

namespace {

// Beyond this length a message box takes long to lay the text out and
// never fits a screen, so the text is not measured at all.
constexpr qsizetype MeasuredLength = 20000;

// Room the message box needs around its text: margins, the OK button row
// and the title bar of the window.
constexpr int BoxChromeHeight = 120;

// The widths at which a message box wraps (half the screen, at most 500)
// and which it never exceeds (the screen less a margin, at most 1000; a
// small screen's whole width).
int SoftWidth(int screenWidth) { return std::min(screenWidth / 2, 500); }

int HardWidth(int screenWidth) { return screenWidth <= 1024 ? screenWidth - 40 : std::min(screenWidth - 480, 1000); }

QRect AvailableArea(const QWidget *parent)
{
    const QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The pane's width and height for the text, with room for the OK button
// row: as wide as the longest line, at most maxWidth; a text too long to
// measure takes all the room there is.
QSize TextSize(const QString &text, int maxWidth)
{
    if (text.size() > MeasuredLength)
        return {maxWidth, std::numeric_limits<int>::max()};
    const QFontMetrics metrics(QApplication::font("QPlainTextEdit"));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    int width = 200;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line) + 60);
    width = std::min(width, maxWidth);
    int rows = 0;
    for (const QString &line : lines)
        rows += 1 + metrics.horizontalAdvance(line) / (width - 40);
    return {width, BoxChromeHeight + rows * metrics.lineSpacing()};
}

} // namespace

bool HelpBox::FitsMessageBox(const QString &text, const QWidget *parent)
{
    if (text.size() > MeasuredLength)
        return false;
    const QRect area = AvailableArea(parent);
    const QFontMetrics metrics(QApplication::font("QMessageBoxLabel"));
    const int soft = SoftWidth(area.width());
    int height = BoxChromeHeight;
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        for (const QString &word : line.split(u' '))
            if (metrics.horizontalAdvance(word) > HardWidth(area.width()) - 100)
                return false;
        const int rows = 1 + metrics.horizontalAdvance(line) / soft;
        height += rows * metrics.lineSpacing();
        if (height > area.height())
            return false;
    }
    return true;
}

HelpBox::HelpBox(const QString &text, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpBox"));
    setWindowTitle(QString::fromUtf8(AppTitle));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("HelpText"));
    m_text->setReadOnly(true);
    m_text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_text->setFrameShape(QFrame::NoFrame);
    QPalette plain = m_text->palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    m_text->setPalette(plain);
    // The text's first line break starts an empty first line, as in the
    // message box.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(shown);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);

    const QRect area = AvailableArea(parent);
    const QSize wanted = TextSize(text, std::min(area.width() - 40, 640));
    const QSize size(wanted.width(), std::clamp(wanted.height(), 100, std::max(100, area.height() - 60)));
    resize(size);
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Unit2.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "Glyphs.h"
#include "Calendar.h"
#include "Fonts.h"
#include "FieldRules.h"
#include "FieldText.h"
#include "Gregorian.h"
#include "MessageBoxes.h"
#include "SpinButton.h"

namespace {

template <typename W>
W *Place(W *widget, const char *name, int x, int y, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLabel *CaptionPanel(QWidget *parent)
{
    auto *panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFont(PixelFont(15, false));
    return panel;
}

QPushButton *GlyphButton(const char *caption, const QIcon &glyph, QSize glyphSize, QWidget *parent)
{
    auto *button = new QPushButton(glyph, QString::fromUtf8(caption), parent);
    button->setIconSize(glyphSize);
    button->setFont(PixelFont(11, true));
    return button;
}

} // namespace

TPickDate::TPickDate(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QString::fromUtf8("Выбор даты"));
    setFont(PixelFont(10, false));
    setFixedSize(260, 193);
    createControls();
    connectHandlers();
}

void TPickDate::createControls()
{
    Panel1 = Place(CaptionPanel(this), "Panel1", 0, 0, 104, 26);
    SpinButton1 = Place(new SpinButton(this), "SpinButton1", 104, 0, 16, 26);
    Panel2 = Place(CaptionPanel(this), "Panel2", 136, 0, 105, 26);
    SpinButton2 = Place(new SpinButton(this), "SpinButton2", 240, 0, 16, 26);
    Calendar1 = Place(new TCalendar(this), "Calendar1", 0, 39, 260, 97);
    Calendar1->setStartOfWeek(0);
    Panel3 = Place(new QFrame(this), "Panel3", 0, 140, 260, 53);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    BitBtn1 = Place(GlyphButton("Применить", CalendarSheetGlyph(), {16, 16}, Panel3), "BitBtn1", 8, 9, 113, 33);
    BitBtn1->setDefault(true);
    BitBtn2 = Place(GlyphButton("Закрыть", CloseCrossGlyph(), {18, 18}, Panel3), "BitBtn2", 136, 9, 113, 33);
    setTabOrder(Calendar1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    Calendar1->setFocus();
}

void TPickDate::connectHandlers()
{
    connect(Calendar1, &TCalendar::changed, this, &TPickDate::Calendar1Change);
    connect(SpinButton1, &SpinButton::downClicked, this, &TPickDate::SpinButton1DownClick);
    connect(SpinButton1, &SpinButton::upClicked, this, &TPickDate::SpinButton1UpClick);
    connect(SpinButton2, &SpinButton::downClicked, this, &TPickDate::SpinButton2DownClick);
    connect(SpinButton2, &SpinButton::upClicked, this, &TPickDate::SpinButton2UpClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TPickDate::BitBtn1Click);
    // "Закрыть", Esc and the close box all just hide the dialog.
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPickDate::setDateFields(FieldReader read, FieldWriter write)
{
    m_readFields = std::move(read);
    m_writeFields = std::move(write);
}

void TPickDate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    FormActivate();
}

void TPickDate::FormActivate()
{
    if (!m_readFields)
        return;
    const std::array<QString, 3> texts = m_readFields();
    const std::string day = texts[0].toStdString(), month = texts[1].toStdString(), year = texts[2].toStdString();
    // A date that does not exist is no error here: the grid keeps its date.
    if (const auto date = ReadDateFields(day, month, year))
        Calendar1->setDate(*date);
}

void TPickDate::Calendar1Change()
{
    // Russian month names are lower case on their own; as a heading the
    // name starts with a capital.
    const QLocale locale = QLocale::system();
    const QString name = locale.standaloneMonthName(Calendar1->month(), QLocale::LongFormat);
    Panel1->setText(locale.toUpper(name.left(1)) + name.mid(1));
    Panel2->setText(QString::number(Calendar1->year()));
}

void TPickDate::stepMonth(int delta)
{
    RunHandler(this, [&] {
        const auto next = MonthStep(Calendar1->date(), delta);
        if (!next)
            throw VelmoraError(QString::fromLatin1(DateEncodeError));
        Calendar1->setDate(*next);
    });
}

void TPickDate::stepYear(int delta)
{
    RunHandler(this, [&] {
        const CalendarDate date = Calendar1->date();
        if (IsLeapYear(date.Year) && date.Month == 2 && date.Day == 29)
            Calendar1->setDay(28);
        Calendar1->setYear(date.Year + delta);
    });
}

void TPickDate::SpinButton1DownClick() { stepMonth(-1); }

void TPickDate::SpinButton1UpClick() { stepMonth(+1); }

void TPickDate::SpinButton2DownClick() { stepYear(-1); }

void TPickDate::SpinButton2UpClick() { stepYear(+1); }

void TPickDate::BitBtn1Click()
{
    RunHandler(this, [&] {
        if (m_writeFields)
            m_writeFields(ZeroFilled(Calendar1->day(), 2), ZeroFilled(Calendar1->month(), 2),
                          ZeroFilled(Calendar1->year(), 4));
        accept();
    });
}

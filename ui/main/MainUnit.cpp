// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MainUnit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "ClientFile.h"
#include "ClientGroupBox.h"
#include "CommandButton.h"
#include "CopyPanel.h"
#include "EditField.h"
#include "Fonts.h"
#include "Glyphs.h"
#include "ResultDrawing.h"
#include "SpinButton.h"

namespace {

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry, int pixels = 0,
                  bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (pixels)
        label->setFont(PixelFont(pixels, bold));
    // The designed widths suit the designed face; never clip a wider one.
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}

EditField *MakeField(QWidget *parent, InputFields::Field which, QRect geometry, int pixels)
{
    const InputFieldSpec &spec = SpecOf(which);
    auto *field = new EditField(QString::fromLatin1(spec.ObjectName), spec.Width, parent);
    field->setGeometry(geometry);
    field->setFont(PixelFont(pixels, true));
    return field;
}

SpinButton *MakeSpin(QWidget *parent, const char *name, QRect geometry)
{
    auto *spin = new SpinButton(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setGeometry(geometry);
    return spin;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &text, QRect geometry, int pixels,
                        const QIcon &glyph, int glyphSize)
{
    auto *button = new CommandButton(glyph, text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(PixelFont(pixels, true));
    button->setIconSize(QSize(glyphSize, glyphSize));
    return button;
}

} // namespace

TMainForm::TMainForm(SettingsStore &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Velmora"));
    m_client = new QWidget(this);
    m_client->setFont(PixelFont(11));
    setCentralWidget(m_client);
    buildMenu();
    buildDateGroup();
    buildTimeGroup();
    buildPlaceGroups();
    buildResultArea();
    buildCopyPanel();
    setTabOrder();
    connectFields();
    m_client->setFixedSize(478, 371);
    setFixedSize(478, 371 + menuBar()->sizeHint().height());
}

TMainForm::~TMainForm() = default;

void TMainForm::buildMenu()
{
    QMenu *print = menuBar()->addMenu(QStringLiteral("&Печать"));
    print->setObjectName(QStringLiteral("N6"));
    QAction *n7 =
        print->addAction(QStringLiteral("Печать"), QKeySequence(Qt::Key_F8), this, bound(&TMainForm::N7Click));
    n7->setObjectName(QStringLiteral("N7"));
    buildShareItems(print);
    print->addSeparator()->setObjectName(QStringLiteral("N8"));
    QAction *n9 =
        print->addAction(QStringLiteral("Выход"), QKeySequence(Qt::CTRL | Qt::Key_X), this, bound(&TMainForm::N9Click));
    n9->setObjectName(QStringLiteral("N9"));

    // The chart's own tools.
    QMenu *chart = menuBar()->addMenu(QStringLiteral("&Карта"));
    chart->setObjectName(QStringLiteral("NChart"));
    addPlaceCommand(chart);
    addLuckCommand(chart);
    addAroundCommand(chart);
    addReadingCommand(chart);
    addDaysCommand(chart);
    addRuleCommands(chart);
    addClientCommands();

    QMenu *help = menuBar()->addMenu(QStringLiteral("С&правка"));
    help->setObjectName(QStringLiteral("N1"));
    help->addAction(QStringLiteral("Помощь"), this, bound(&TMainForm::N2Click))->setObjectName(QStringLiteral("N2"));
    help->addSeparator()->setObjectName(QStringLiteral("N4"));
    help->addAction(QStringLiteral("О программе"), this, bound(&TMainForm::N3Click))
        ->setObjectName(QStringLiteral("N3"));
    // The shortcuts work while the menu bar is hidden from the focus chain too.
    addActions({n7, n9});
}

void TMainForm::addChartTool(QAction *tool)
{
    tool->setEnabled(false); // until there is a chart
    m_chartTools.push_back(tool);
    addAction(tool);
}

void TMainForm::buildDateGroup()
{
    m_dateGroup = new ClientGroupBox(QStringLiteral("ClientGroupBox1"), QStringLiteral("Дата"), m_client);
    m_dateGroup->setGeometry(2, 5, 118, 42);
    m_fields[Day] = MakeField(m_dateGroup, Day, {2, 20, 20, 17}, 15);
    MakeLabel(m_dateGroup, "Label1", QStringLiteral("."), {22, 20, 6, 20}, 16, true);
    m_fields[Month] = MakeField(m_dateGroup, Month, {28, 20, 20, 17}, 15);
    MakeLabel(m_dateGroup, "Label3", QStringLiteral("."), {48, 20, 6, 20}, 16, true);
    m_fields[Year] = MakeField(m_dateGroup, Year, {54, 20, 40, 17}, 15);
    m_spinDate = MakeSpin(m_dateGroup, "SpinButtonData", {98, 7, 20, 33});
}

void TMainForm::buildTimeGroup()
{
    m_timeGroup = new ClientGroupBox(QStringLiteral("ClientGroupBox2"), QStringLiteral("Время"), m_client);
    m_timeGroup->setGeometry(122, 5, 79, 42);
    m_fields[Hour] = MakeField(m_timeGroup, Hour, {2, 20, 20, 17}, 15);
    MakeLabel(m_timeGroup, "Label2", QStringLiteral(":"), {22, 20, 6, 20}, 16, true);
    m_fields[Minute] = MakeField(m_timeGroup, Minute, {30, 20, 20, 17}, 15);
    m_spinTime = MakeSpin(m_timeGroup, "SpinButtonTime", {60, 7, 20, 33});
    MakeLabel(m_timeGroup, "Label4", QStringLiteral("м"), {33, 52, 8, 13});
}

void TMainForm::buildPlaceGroups()
{
    m_correctionGroup = new ClientGroupBox(QStringLiteral("GroupBox1"), QStringLiteral("Поправка"), m_client);
    m_correctionGroup->setGeometry(270, 5, 91, 42);
    m_fields[Correction] = MakeField(m_correctionGroup, Correction, {48, 20, 20, 17}, 15);
    m_fields[Correction]->widenLeftForLongText(); // "-10" to "-23" in full
    m_spinCorrection = MakeSpin(m_correctionGroup, "SpinButtonT", {71, 7, 20, 33});
    MakeLabel(m_correctionGroup, "Label7", QStringLiteral("м"), {33, 52, 8, 13});

    m_longitudeGroup = new ClientGroupBox(QStringLiteral("ClientGroupBox4"), QStringLiteral("Долгота"), m_client);
    m_longitudeGroup->setGeometry(364, 5, 101, 42);
    m_fields[Degrees] = MakeField(m_longitudeGroup, Degrees, {2, 22, 25, 11}, 12);
    MakeLabel(m_longitudeGroup, "Label9", QStringLiteral("o"), {24, 13, 6, 11}, 9);
    m_fields[Minutes] = MakeField(m_longitudeGroup, Minutes, {33, 22, 16, 11}, 12);
    MakeLabel(m_longitudeGroup, "Label10", QStringLiteral("'"), {48, 13, 3, 20}, 16);
    m_hemisphere =
        MakeButton(m_longitudeGroup, "ClientButtonDolgota", QStringLiteral("E"), {55, 18, 20, 20}, 12, QIcon(), 0);
    m_spinLongitude = MakeSpin(m_longitudeGroup, "SpinButtonD", {82, 7, 19, 33});
}

void TMainForm::buildResultArea()
{
    m_screenResult.create(m_client, 1, {10, 54}, {24, 160}, {160, 160});
    MakeLabel(m_client, "Label5", QStringLiteral("Ствол"), {244, 85, 40, 16}, 13);
    MakeLabel(m_client, "Label6", QStringLiteral("Ветвь"), {244, 114, 39, 16}, 13);
    MakeLabel(m_client, "Label16", QStringLiteral("Квадрат феншуй  Года"), {8, 144, 114, 13});
    MakeLabel(m_client, "Label17", QStringLiteral("Квадрат феншуй Месяца"), {144, 144, 126, 13});

    m_calculate =
        MakeButton(m_client, "BitBtn1", QStringLiteral("Расчет"), {356, 56, 113, 33}, 12, CalculateGlyph(), 16);
    m_copy = MakeButton(m_client, "Bit2", QStringLiteral("Копировать"), {356, 96, 113, 33}, 11, CopyGlyph(), 16);
    QPalette green = m_copy->palette();
    green.setColor(QPalette::ButtonText, QColor(0, 128, 0));
    m_copy->setPalette(green);
    m_close = MakeButton(m_client, "BitBtn2", QStringLiteral("Закрыть"), {356, 136, 113, 33}, 11, CloseGlyph(), 18);
    // The active place, in the free area under the buttons.
    m_placeLabel = new QLabel(m_client);
    m_placeLabel->setObjectName(QStringLiteral("PlaceLabel"));
    m_placeLabel->setFont(PixelFont(11));
    m_placeLabel->setWordWrap(true);
    m_placeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_placeLabel->setGeometry(356, 190, 113, 28);
    buildClientLabel();
    buildRulesLabel();
    buildChangeWarning();
}

void TMainForm::buildCopyPanel()
{
    m_copyPanel = new CopyPanel(QStringLiteral("Копия"), ColorFromValue(TableColors::CopyPanel), m_client);
    m_copyPanel->setObjectName(QStringLiteral("GroupBox3"));
    m_copyPanel->setGeometry(0, 248, 473, 121);
    m_copyPanel->setFont(PixelFont(11, true));
    MakeLabel(m_copyPanel, "Label18", QStringLiteral("Квадрат Года"), {256, 16, 69, 13}, 11);
    MakeLabel(m_copyPanel, "Label19", QStringLiteral("Квадрат Месяца"), {360, 16, 84, 13}, 11);
    m_copyResult.create(m_copyPanel, 4, {10, 32}, {256, 32}, {360, 32});
}

void TMainForm::setTabOrder()
{
    QWidget *order[] = {
        m_fields[Day],     m_fields[Month],   m_fields[Year], m_fields[Hour], m_fields[Minute], m_fields[Correction],
        m_fields[Degrees], m_fields[Minutes], m_hemisphere,   m_calculate,    m_copy,           m_close};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // The first activation fills and calculates once the window is up.
    QMetaObject::invokeMethod(this, bound(&TMainForm::FormActivate), Qt::QueuedConnection);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TMainForm::inputFieldHasFocus() const
{
    for (const EditField *field : m_fields)
        if (field->hasFocus())
            return true;
    return false;
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && inputFieldHasFocus()) {
        bound (&TMainForm::BitBtn1Click)();
        return;
    }
    if (key == Qt::Key_Escape) {
        bound (&TMainForm::BitBtn2Click)();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PlaceUnit.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "CityIndex.h"
#include "Fonts.h"

namespace {

// Enough to find a city by a few letters; a longer list says nothing more.
constexpr std::size_t ShownCities = 100;

constexpr char NothingFound[] = "Такого города нет в списке. Найдите ближайший к нему крупный город — часовой "
                                "пояс у них один, — или нажмите «Отмена» и введите долготу вручную.";

bool MovesInList(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

} // namespace

TPlaceDialog::TPlaceDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PlaceDialog"));
    setWindowTitle(QStringLiteral("Место"));
    setFont(PixelFont(11, false));
    createControls();
    connectHandlers();
    resize(380, 320);
    // The index is built once, here, so that no key typed waits for it.
    CityIndex::Shared();
}

void TPlaceDialog::createControls()
{
    auto *prompt = new QLabel(QStringLiteral("Город (по-русски или латиницей):"), this);
    PlaceQuery = new QLineEdit(this);
    PlaceQuery->setObjectName(QStringLiteral("PlaceQuery"));
    prompt->setBuddy(PlaceQuery);
    PlaceQuery->installEventFilter(this);
    PlaceList = new QListWidget(this);
    PlaceList->setObjectName(QStringLiteral("PlaceList"));
    PlaceNothing = new QLabel(QString::fromUtf8(NothingFound), this);
    PlaceNothing->setObjectName(QStringLiteral("PlaceNothing"));
    PlaceNothing->setWordWrap(true);
    PlaceNothing->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    PlaceNothing->hide();
    BitBtn1 = new QPushButton(QStringLiteral("Применить"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setEnabled(false);
    BitBtn2 = new QPushButton(QStringLiteral("Отмена"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(PlaceQuery);
    layout->addWidget(PlaceList, 1);
    layout->addWidget(PlaceNothing, 1);
    layout->addLayout(buttons);
}

void TPlaceDialog::connectHandlers()
{
    connect(PlaceQuery, &QLineEdit::textChanged, this, &TPlaceDialog::PlaceQueryChange);
    connect(PlaceList, &QListWidget::itemSelectionChanged, this, &TPlaceDialog::PlaceListChange);
    connect(PlaceList, &QListWidget::itemDoubleClicked, this, &TPlaceDialog::BitBtn1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TPlaceDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPlaceDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Typing at once replaces the last search.
    PlaceQuery->selectAll();
    PlaceQuery->setFocus();
}

bool TPlaceDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PlaceQuery && event->type() == QEvent::KeyPress
        && MovesInList(static_cast<QKeyEvent *>(event)->key())) {
        QCoreApplication::sendEvent(PlaceList, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPlaceDialog::PlaceQueryChange()
{
    const QString query = PlaceQuery->text();
    m_found = CityIndex::Shared().Find(query, ShownCities);
    PlaceList->clear();
    PlaceList->addItems(HitTexts(m_found));
    // Only a city the query likely means is chosen for the user; otherwise
    // Enter waits for a choice from the list.
    if (!m_found.empty() && m_found.front().Likely())
        PlaceList->setCurrentRow(0);
    const bool nothing = m_found.empty() && !ParseCityQuery(query).Name.isEmpty();
    PlaceList->setVisible(!nothing);
    PlaceNothing->setVisible(nothing);
    PlaceListChange();
}

void TPlaceDialog::PlaceListChange() { BitBtn1->setEnabled(selectedRow() >= 0); }

void TPlaceDialog::BitBtn1Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_chosen = m_found[std::size_t(row)].Place;
    accept();
}

// The list's current row alone is no choice: the list makes its first row
// current, unselected, when it takes the focus.
int TPlaceDialog::selectedRow() const
{
    const QList<QListWidgetItem *> selected = PlaceList->selectedItems();
    const int row = selected.isEmpty() ? -1 : PlaceList->row(selected.front());
    return row >= 0 && std::size_t(row) < m_found.size() ? row : -1;
}

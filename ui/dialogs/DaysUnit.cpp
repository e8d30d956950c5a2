// SPDX-License-Identifier: AGPL-3.0-or-later
#include "DaysUnit.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ClockOffset.h"
#include "DialogTables.h"
#include "Fonts.h"
#include "Gregorian.h"
#include "ReportTables.h"

namespace {

const QStringList HourHeadings{QStringLiteral("Часы"), QStringLiteral("Столп часа"), QStringLiteral("Звезда"),
                               QStringLiteral("Столкн.")};
const char *const MonthNames[12] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                    "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

QString Utf8(const std::string &text) { return QString::fromStdString(text); }

} // namespace

TDaysDialog::TDaysDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DaysDialog"));
    setWindowTitle(QStringLiteral("Календарь дней"));
    setFont(PixelFont(11, false));
    createControls();
    connect(DaysHideClashes, &QCheckBox::toggled, this, &TDaysDialog::DaysFilterChange);
    for (QCheckBox *officer : m_officers)
        connect(officer, &QCheckBox::toggled, this, &TDaysDialog::DaysFilterChange);
    connect(DaysTable, &QTableWidget::currentCellChanged, this, &TDaysDialog::DaysTableChange);
    connect(DaysTable, &QTableWidget::cellDoubleClicked, this, &TDaysDialog::DaysTableChoose);
    DaysTable->installEventFilter(this);
    resize(1010, 660);
}

void TDaysDialog::createControls()
{
    DaysNow = new QLabel(this);
    DaysNow->setObjectName(QStringLiteral("DaysNow"));
    DaysMonth = new QLabel(this);
    DaysMonth->setObjectName(QStringLiteral("DaysMonth"));
    DaysMonth->setFont(PixelFont(13, true));
    DaysHideClashes = new QCheckBox(QStringLiteral("Скрыть дни столкновения с годом или днём карты"), this);
    DaysHideClashes->setObjectName(QStringLiteral("DaysHideClashes"));
    auto *officers = new QGridLayout;
    for (int i = 0; i < 12; ++i) {
        m_officers[std::size_t(i)] = new QCheckBox(Utf8(OfficerName(i)), this);
        m_officers[std::size_t(i)]->setObjectName(QStringLiteral("DaysOfficer%1").arg(i));
        m_officers[std::size_t(i)]->setChecked(true);
        officers->addWidget(m_officers[std::size_t(i)], i / 6, i % 6);
    }
    DaysTable = MakeTable(this, "DaysTable", HeadingsOf(::DaysTable({})));
    DaysHoursCaption = new QLabel(this);
    DaysHoursCaption->setObjectName(QStringLiteral("DaysHoursCaption"));
    DaysHours = MakeTable(this, "DaysHours", HourHeadings);
    DaysHours->setFocusPolicy(Qt::NoFocus);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    DaysSave = new QPushButton(QStringLiteral("Сохранить…"), this);
    DaysSave->setObjectName(QStringLiteral("DaysSave"));
    DaysSave->setAutoDefault(false);
    DaysSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    DaysSave->setToolTip(QStringLiteral("Отчёт с картой и этими днями в PDF (Ctrl+S)"));
    connect(DaysSave, &QPushButton::clicked, this, &TDaysDialog::DaysSaveClick);

    auto *monthRow = new QHBoxLayout;
    monthRow->addWidget(DaysMonth);
    monthRow->addStretch();
    monthRow->addWidget(new QLabel(QStringLiteral("PgUp / PgDn — месяц, Enter — дата в поля"), this));
    auto *hours = new QVBoxLayout;
    hours->addWidget(DaysHoursCaption);
    hours->addWidget(DaysHours);
    auto *tables = new QHBoxLayout;
    tables->addWidget(DaysTable, 3);
    tables->addLayout(hours, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DaysSave);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DaysNow);
    layout->addLayout(monthRow);
    layout->addWidget(DaysHideClashes);
    layout->addLayout(officers);
    layout->addLayout(tables, 1);
    layout->addLayout(buttons);
}

void TDaysDialog::setContext(const std::string &presentLine, const std::optional<ChartSigns> &chart,
                             const QByteArray &zone, std::int32_t offsetSeconds, std::int32_t longitudeSeconds,
                             const CalendarDate &day)
{
    m_zone = zone;
    DaysNow->setText(Utf8(presentLine));
    m_chart = chart;
    m_offsetSeconds = offsetSeconds;
    m_longitudeSeconds = longitudeSeconds;
    m_chosen.reset();
    DaysHideClashes->setEnabled(chart.has_value());
    DaysSave->setEnabled(chart.has_value());
    showMonth(day);
}

bool TDaysDialog::shown(const DayAlmanac &day, const AlmanacRow &row) const
{
    if (!m_officers[std::size_t(day.Officer)]->isChecked())
        return false;
    return !(DaysHideClashes->isChecked() && row.Marks && (row.Marks->ClashWithYear || row.Marks->ClashWithDay));
}

void TDaysDialog::showMonth(const CalendarDate &select)
{
    m_month = {select.Year, select.Month, 1};
    DaysMonth->setText(QStringLiteral("%1 %2").arg(QString::fromUtf8(MonthNames[select.Month - 1])).arg(select.Year));
    m_days.clear();
    m_rows.clear();
    for (int d = 1; d <= DaysInMonth(select.Year, select.Month); ++d) {
        const std::optional<DayAlmanac> day = AlmanacOf({select.Year, select.Month, d}, m_years);
        if (!day)
            continue;
        AlmanacRow row = RowOf(*day, m_chart);
        if (!shown(*day, row))
            continue;
        m_days.push_back(*day);
        m_rows.push_back(std::move(row));
    }
    const QSignalBlocker quiet(DaysTable);
    FillRows(DaysTable, ::DaysTable(m_rows));
    int current = 0;
    for (int r = 0; r < int(m_rows.size()); ++r) {
        if (m_days[std::size_t(r)].Date.Day <= select.Day)
            current = r;
    }
    DaysTable->setCurrentCell(m_rows.empty() ? -1 : current, 0);
    DaysTable->setFocus();
    DaysTableChange();
}

void TDaysDialog::showHours(const DayAlmanac &day)
{
    DaysHoursCaption->setText(Utf8(RowOf(day, std::nullopt).Date));
    DaysHours->setRowCount(12);
    // The place's clock on that day: summer time moves it.
    std::int32_t offset = m_offsetSeconds;
    if (!m_zone.isEmpty()) {
        const ClockOffset found = OffsetAt(m_zone, QDate(day.Date.Year, day.Date.Month, day.Date.Day), QTime(12, 0));
        if (!found.Seconds.empty())
            offset = found.Seconds.front();
    }
    for (int h = 0; h < 12; ++h) {
        const HourAlmanac &hour = day.Hours[std::size_t(h)];
        const Pillar tokens = TokensOf(hour.StemBranch);
        DaysHours->setItem(h, 0, TextItem(HourClockRange(h, offset, m_longitudeSeconds)));
        DaysHours->setItem(h, 1, TextItem(tokens.Stem + " " + tokens.Branch + " " + BranchName(h)));
        DaysHours->setItem(h, 2, TextItem(std::to_string(hour.Star)));
        DaysHours->setItem(h, 3, TextItem(BranchName(hour.Clash)));
    }
}

void TDaysDialog::stepMonth(int months)
{
    const std::int64_t index = std::int64_t(m_month.Year) * 12 + m_month.Month - 1 + months;
    const int row = DaysTable->currentRow();
    const int day = row >= 0 ? m_days[std::size_t(row)].Date.Day : 1;
    const auto year = static_cast<std::int32_t>(FloorDiv(index, 12));
    const int month = static_cast<int>(FloorMod(index, 12)) + 1;
    showMonth({year, month, std::min(day, DaysInMonth(year, month))});
}

void TDaysDialog::DaysFilterChange()
{
    const int row = DaysTable->currentRow();
    showMonth(row >= 0 ? m_days[std::size_t(row)].Date : m_month);
}

void TDaysDialog::DaysTableChange()
{
    const int row = DaysTable->currentRow();
    if (row < 0 || row >= int(m_days.size())) {
        DaysHours->setRowCount(0);
        DaysHoursCaption->clear();
        return;
    }
    showHours(m_days[std::size_t(row)]);
}

void TDaysDialog::DaysTableChoose()
{
    const int row = DaysTable->currentRow();
    if (row < 0 || row >= int(m_days.size()))
        return;
    m_chosen = m_days[std::size_t(row)].Date;
    accept();
}

bool TDaysDialog::dialogKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
        stepMonth(-1);
        return true;
    case Qt::Key_PageDown:
        stepMonth(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        DaysTableChoose();
        return true;
    default:
        return false;
    }
}

bool TDaysDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DaysTable && event->type() == QEvent::KeyPress && !static_cast<QKeyEvent *>(event)->modifiers()
        && dialogKey(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TDaysDialog::keyPressEvent(QKeyEvent *event)
{
    if (!dialogKey(event->key()))
        QDialog::keyPressEvent(event);
}

void TDaysDialog::DaysSaveClick()
{
    if (m_onSave && DaysSave->isEnabled())
        m_onSave(m_rows);
}

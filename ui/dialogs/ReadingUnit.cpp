// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ReadingUnit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Canvas.h"
#include "DialogTables.h"
#include "Fonts.h"
#include "PillarOrder.h"
#include "ReadingText.h"
#include "ResultDrawing.h"

namespace {

enum Row { StemRow, GodRow, BranchRow, HiddenRow, StageRow, NayinRow, VoidRow, RowCount };

const QStringList RowHeadings{QStringLiteral("Ствол"),          QStringLiteral("Божество"), QStringLiteral("Ветвь"),
                              QStringLiteral("Скрытые стволы"), QStringLiteral("Фаза Ци"),  QStringLiteral("Мелодия"),
                              QStringLiteral("Пустота")};

QString Text(const std::string &text) { return QString::fromStdString(text).toHtmlEscaped(); }

// A token as the result area shows it: bold on the pillars' pale yellow.
QString TokenHtml(const Token &token)
{
    return QStringLiteral("<span style=\"background-color:%1; font-weight:bold\">&nbsp;%2&nbsp;</span>")
        .arg(ColorFromValue(TableColors::PillarBackground).name(), Text(token));
}

QString StemHtml(std::int32_t stem) { return TokenHtml(TokensOf({stem, stem % 2}).Stem) + u' ' + Text(StemName(stem)); }

QString BranchHtml(std::int32_t branch)
{
    return TokenHtml(TokensOf({branch % 2, branch}).Branch) + u' ' + Text(BranchName(branch));
}

} // namespace

TReadingDialog::TReadingDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ReadingDialog"));
    setWindowTitle(QStringLiteral("Разбор карты"));
    setFont(PixelFont(11, false));
    createControls();
    resize(820, 560);
}

void TReadingDialog::createControls()
{
    ReadingMaster = new QLabel(this);
    ReadingMaster->setObjectName(QStringLiteral("ReadingMaster"));
    ReadingMaster->setFont(PixelFont(13, true));
    QStringList headings;
    for (const char *heading : PillarHeadings)
        headings << QString::fromUtf8(heading);
    ReadingTable = MakeTable(this, "ReadingTable", headings);
    ReadingTable->setRowCount(RowCount);
    ReadingTable->setVerticalHeaderLabels(RowHeadings);
    ReadingTable->verticalHeader()->show();
    ReadingTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ReadingTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ReadingTable->setSelectionMode(QAbstractItemView::NoSelection);
    ReadingSummary = new QLabel(this);
    ReadingSummary->setObjectName(QStringLiteral("ReadingSummary"));
    ReadingSummary->setWordWrap(true);
    ReadingSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ReadingMaster);
    layout->addWidget(ReadingTable, 1);
    layout->addWidget(ReadingSummary);
    layout->addLayout(buttons);
}

void TReadingDialog::setChart(const ChartSigns &signs)
{
    m_reading = ReadChart(signs);
    ReadingMaster->setText(QStringLiteral("Господин дня: ")
                           + QString::fromStdString(StemName(m_reading.Pillars[1].StemBranch.Stem)));
    for (int column = 0; column < int(m_reading.Pillars.size()); ++column)
        showPillar(column, m_reading.Pillars[std::size_t(column)]);
    QStringList summary;
    for (const std::string &line : ReadingSummaryLines(m_reading))
        summary << QString::fromStdString(line);
    ReadingSummary->setText(summary.join(u'\n'));
    ReadingTable->setFocus();
}

void TReadingDialog::showPillar(int column, const PillarReading &pillar)
{
    setCell(StemRow, column, StemHtml(pillar.StemBranch.Stem));
    setCell(GodRow, column, pillar.StemGod ? Text(GodName(*pillar.StemGod)) : QStringLiteral("—"));
    setCell(BranchRow, column, BranchHtml(pillar.StemBranch.Branch));
    QStringList hidden;
    for (const HiddenStem &stem : pillar.Hidden)
        hidden << StemHtml(stem.Stem) + QStringLiteral(" — ") + Text(GodName(stem.God));
    setCell(HiddenRow, column, hidden.join(QStringLiteral("<br>")));
    setCell(StageRow, column, Text(StageName(pillar.Stage)));
    setCell(NayinRow, column, Text(NayinName(pillar.Nayin)));
    setCell(VoidRow, column, pillar.InDayVoid ? QStringLiteral("пустота") : QStringLiteral("—"));
}

void TReadingDialog::setCell(int row, int column, const QString &html)
{
    auto *cell = new QLabel(html);
    cell->setTextFormat(Qt::RichText);
    cell->setWordWrap(true);
    cell->setMargin(3);
    ReadingTable->setCellWidget(row, column, cell);
}

std::string TReadingDialog::text() const { return FormatReadingText(m_reading); }

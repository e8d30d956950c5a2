// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's ways to share the chart on display: save it as a PDF or
// PNG file, copy it as text or as a picture.

#include "MainUnit.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QStandardPaths>

#include "ChartFile.h"
#include "ChartPicture.h"
#include "ChartText.h"
#include "LuckText.h"
#include "ReadingText.h"
#include "MessageBoxes.h"
#include "PresentClock.h"
#include "SettingsStore.h"

namespace {

// The settings value of the folder of the last saved chart.
constexpr char SaveFolderValue[] = "savedir";
constexpr char PngFilter[] = "PNG (*.png)";

QString FallbackFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// A name typed without an extension takes that of the chosen file type.
QString WithTypeSuffix(const QString &path, const QString &filter)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (filter == QLatin1String(PngFilter) ? QStringLiteral(".png") : QStringLiteral(".pdf"));
}

} // namespace

// The chart with what its report holds: the dialogs opened for it, the days
// given, and the client's name while the chart is that client's birth.
SharedChart TMainForm::sharedChart(std::vector<AlmanacRow> days) const
{
    ReportContent report = m_report;
    const std::optional<Client> birth = chartClient();
    if (m_openClient && birth && WithBirthOf(*m_openClient, *birth) == *m_openClient)
        report.Client = m_openClient->Name.toStdString();
    report.Days = std::move(days);
    report.Today = LocalToday();
    return {m_chartInput, m_result, m_chartPlace, std::move(report)};
}

void TMainForm::buildShareItems(QMenu *menu)
{
    const auto add = [&](const char *name, const QString &caption, const QKeySequence &keys,
                         void (TMainForm::*handler)()) {
        QAction *action = menu->addAction(caption, keys, this, bound(handler));
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(false); // until there is a chart to share
        return action;
    };
    m_shareActions = {
        add("NSave", QStringLiteral("Сохранить…"), QKeySequence(Qt::CTRL | Qt::Key_S), &TMainForm::NSaveClick),
        add("NCopyText", QStringLiteral("Копировать как текст"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
            &TMainForm::NCopyTextClick),
        add("NCopyPicture", QStringLiteral("Копировать как рисунок"), QKeySequence(), &TMainForm::NCopyPictureClick)};
    addActions(QList<QAction *>(m_shareActions.begin(), m_shareActions.end()));
}

void TMainForm::enableSharing()
{
    for (QAction *action : m_shareActions)
        action->setEnabled(true);
}

// The folder of the last saved chart while it exists: the one of this run,
// else the stored one; an unreadable value only costs the proposal.
QString TMainForm::saveFolder()
{
    std::optional<QString> folder;
    if (!m_saveFolder.isEmpty()) {
        folder = m_saveFolder;
    } else {
        try {
            folder = m_settings.read(QString::fromLatin1(SaveFolderValue));
        } catch (const VelmoraError &) {
        }
    }
    return folder && QFileInfo(*folder).isDir() ? *folder : FallbackFolder();
}

void TMainForm::NSaveClick()
{
    if (m_hasResult)
        saveReport(this, {});
}

// The save dialog over parent, then the chart and its report with the days
// into the file chosen.
void TMainForm::saveReport(QWidget *parent, std::vector<AlmanacRow> days)
{
    QString filter;
    const QString proposal = QDir(saveFolder()).filePath(DefaultChartFileName(m_chartInput));
    const QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить"), proposal,
                                     QStringLiteral("PDF (*.pdf);;") + QString::fromLatin1(PngFilter), &filter);
    if (!path.isEmpty())
        saveChartTo(WithTypeSuffix(path, filter), std::move(days));
}

bool TMainForm::saveChartTo(const QString &path, std::vector<AlmanacRow> days)
{
    const QString failure = SaveChartFile(path, sharedChart(std::move(days)));
    if (!failure.isEmpty()) {
        ShowMessage(this, failure);
        return false;
    }
    // Remembering the folder is a convenience: a store that cannot take it
    // leaves it remembered for this run, and the saved file is no failure.
    m_saveFolder = QFileInfo(path).absolutePath();
    try {
        m_settings.write({{QString::fromLatin1(SaveFolderValue), m_saveFolder}});
    } catch (const VelmoraError &) {
    }
    return true;
}

// The luck pillars and the reading under the copied chart, as far as their
// dialogs were opened for it.
std::string TMainForm::reportText() const
{
    std::string text;
    if (const auto &luck = m_report.Luck)
        text += FormatLuckText(luck->Luck, luck->Number, luck->Person);
    if (m_report.Reading)
        text += "\n" + FormatReadingText(*m_report.Reading);
    return text;
}

void TMainForm::NCopyTextClick()
{
    if (m_hasResult)
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(FormatChartText(m_chartInput, m_result, m_chartPlace) + reportText()));
}

void TMainForm::NCopyPictureClick()
{
    if (m_hasResult)
        QGuiApplication::clipboard()->setImage(ChartPicture(sharedChart()));
}

// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's client file: the menu "Картотека" with "Картотека…"
// (Ctrl+O), which opens the file's dialog, and "Записать в картотеку"
// (Ctrl+K), which adds the chart on display to the file or, for a client
// opened from it, stores the chart's birth data as the client's. The file
// is opened on its first use, never at start-up; a file that cannot be used
// is named in a message and the window goes on without it.

#include "MainUnit.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>

#include "MomentText.h"
#include "ClientFile.h"
#include "ClientForm.h"
#include "ClientsUnit.h"
#include "EditField.h"
#include "FieldRules.h"
#include "MessageBoxes.h"
#include "TimeScale.h"

void TMainForm::addClientCommands()
{
    QMenu *menu = menuBar()->addMenu(QStringLiteral("К&артотека"));
    menu->setObjectName(QStringLiteral("NClientsMenu"));
    QAction *open = menu->addAction(QStringLiteral("Картотека…"), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                                    bound(&TMainForm::NClientsClick));
    open->setObjectName(QStringLiteral("NClients"));
    addAction(open);
    QAction *save = menu->addAction(QStringLiteral("Записать в картотеку"), QKeySequence(Qt::CTRL | Qt::Key_K), this,
                                    bound(&TMainForm::NClientSaveClick));
    save->setObjectName(QStringLiteral("NClientSave"));
    addChartTool(save);
}

void TMainForm::buildClientLabel()
{
    m_clientLabel = new QLabel(m_client);
    m_clientLabel->setObjectName(QStringLiteral("ClientLabel"));
    QFont font = m_placeLabel->font();
    font.setBold(true);
    m_clientLabel->setFont(font);
    m_clientLabel->setGeometry(356, 176, 113, 14);
}

// The file, opened on first use; nothing, after saying why, when it cannot
// be used. A file that can only be read is said once and used.
ClientFile *TMainForm::clientFile()
{
    if (!m_clients)
        m_clients = std::make_unique<ClientFile>();
    const ClientError state = m_clients->state();
    if (state == ClientError::None)
        return m_clients.get();
    const bool readable = state == ClientError::ReadOnly || state == ClientError::NewerFile;
    if (!readable || !m_clientStateShown)
        ShowMessage(this, ClientErrorText(state, m_clients->path()));
    m_clientStateShown = true;
    return readable ? m_clients.get() : nullptr;
}

// The birth data of the chart on display as a client's, name, sex and notes
// empty; nothing before the first chart.
std::optional<Client> TMainForm::chartClient() const
{
    if (!m_hasResult)
        return std::nullopt;
    const ChartInput &in = m_chartInput;
    Client client;
    client.Date = QString::fromStdString(DateText({in.Year, in.Month, in.Day}));
    client.Time = QString::fromStdString(TimeText(in.Hour, in.Minute));
    if (m_chartPlaceZone.isEmpty()) {
        client.Correction = QString::fromStdString(SignedOffsetText(OffsetSecondsOf(in)));
    } else {
        client.Zone = QString::fromLatin1(m_chartPlaceZone);
        client.Place = m_chartPlaceLabel;
    }
    client.Longitude = QString::fromStdString(LongitudeDigits(in));
    client.Hemisphere = QString::fromStdString(in.Hemisphere);
    return client;
}

void TMainForm::NClientsClick()
{
    ClientFile *file = clientFile();
    if (!file)
        return;
    TClientsDialog dialog(*file, this);
    dialog.setChartClient(chartClient());
    dialog.exec();
    if (dialog.chosen())
        openClient(*dialog.chosen());
}

void TMainForm::NClientSaveClick()
{
    const std::optional<Client> chart = chartClient();
    ClientFile *file = chart ? clientFile() : nullptr;
    if (!file)
        return;
    if (m_openClient) {
        const Client client = WithBirthOf(*m_openClient, *chart);
        const ClientError error = file->update(client);
        if (error != ClientError::None)
            ShowMessage(this, ClientErrorText(error, file->path()));
        else
            m_openClient = client;
        return;
    }
    if (const std::optional<Client> added = AddWithForm(this, *file, *chart))
        showClient(added);
}

void TMainForm::showClient(const std::optional<Client> &client)
{
    m_openClient = client;
    m_clientSex = !client || client->Sex.isEmpty()
        ? std::nullopt
        : std::optional(client->Sex == QStringLiteral("ж") ? Sex::Female : Sex::Male);
    m_clientLabel->setText(client ? client->Name : QString());
    m_clientLabel->setToolTip(client ? client->Name : QString());
}

// The client's birth data goes into the fields as a handler writes them,
// the place or the exact correction becomes the window's place, and the
// chart is calculated.
void TMainForm::openClient(const Client &client)
{
    const QStringList date = client.Date.split(u'.');
    const QStringList time = client.Time.split(u':');
    const QStringList longitude = client.Longitude.split(u':');
    const std::pair<Field, QString> texts[] = {
        {Day, date.value(0)},    {Month, date.value(1)},        {Year, date.value(2)},        {Hour, time.value(0)},
        {Minute, time.value(1)}, {Degrees, longitude.value(0)}, {Minutes, longitude.value(1)}};
    {
        const QScopedValueRollback writing(m_writingPlace, true);
        for (const auto &[field, text] : texts)
            m_fields[field]->setTextByHandler(text);
        m_hemisphere->setText(client.Hemisphere);
    }
    const std::optional<int> offset = CorrectionSeconds(client.Correction);
    if (!client.Zone.isEmpty()) {
        m_place = ActivePlace(client.Place, client.Zone.toLatin1());
    } else if (offset && *offset % 3600 != 0) {
        m_place = ActivePlace::OfOffset(*offset);
    } else {
        m_place.reset();
        const QScopedValueRollback writing(m_writingPlace, true);
        m_fields[Correction]->setTextByHandler(
            ZeroFilled(QString::number(offset.value_or(0) / 3600), SpecOf(Correction).Width));
    }
    showPlace();
    showClient(client);
    BitBtn1Click();
}

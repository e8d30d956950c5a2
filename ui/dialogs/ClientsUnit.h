// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>
#include <vector>

#include "Client.h"
#include "ClientError.h"

class ClientFile;
class QLineEdit;
class QTableWidget;

// The client file's dialog, caption "Картотека": a search field (as the
// user types: name and notes, case aside, "ё" as "е") above the table of
// clients (Имя, Дата рождения, Время, Место) in name order. Enter or a
// double click opens the selected client; the buttons open, add the chart
// on display, change, delete, export and import. Esc closes. Every failure
// of the file is said in a message, and the file is never left half
// changed.
class TClientsDialog : public QDialog
{
    Q_OBJECT

public:
    TClientsDialog(ClientFile &file, QWidget *parent = nullptr);

    // The birth data of the chart on display (name, sex and notes empty),
    // or nothing before the first chart.
    void setChartClient(const std::optional<Client> &chart);
    // The client chosen to open, once chosen.
    const std::optional<Client> &chosen() const { return m_chosen; }

    // Handlers.
    void ClientsSearchChange();
    void ClientsOpenClick();
    void ClientsAddClick();
    void ClientsEditClick();
    void ClientsDeleteClick();
    void ClientsExportClick();
    void ClientsImportClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void showClients(qint64 select = 0);
    std::optional<Client> selected() const;
    bool report(ClientError error);

    QLineEdit *ClientsSearch = nullptr;
    QTableWidget *ClientsTable = nullptr;
    ClientFile &m_file;
    std::vector<Client> m_shown;
    std::optional<Client> m_chart;
    std::optional<Client> m_chosen;
};

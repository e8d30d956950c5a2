// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientsUnit.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ClientFile.h"
#include "ClientForm.h"
#include "DialogTables.h"
#include "Fonts.h"
#include "MessageBoxes.h"

namespace {

// The birth data in one line: "15.07.1985 10:00, Казань, Республика
// Татарстан, Россия, 049:07E" or "…, поправка 5:30, 060:36E".
QString BirthText(const Client &c)
{
    const QString where = c.Zone.isEmpty() ? QStringLiteral("поправка ") + c.Correction : c.Place;
    return c.Date + u' ' + c.Time + QStringLiteral(", ") + where + QStringLiteral(", ") + c.Longitude + c.Hemisphere;
}

bool SameBirth(const Client &a, const Client &b) { return BirthText(a) == BirthText(b) && a.Zone == b.Zone; }

} // namespace

TClientsDialog::TClientsDialog(ClientFile &file, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_file(file)
{
    setObjectName(QStringLiteral("ClientsDialog"));
    setWindowTitle(QStringLiteral("Картотека"));
    setFont(PixelFont(11, false));
    createControls();
    connect(ClientsSearch, &QLineEdit::textChanged, this, &TClientsDialog::ClientsSearchChange);
    connect(ClientsTable, &QTableWidget::cellDoubleClicked, this, &TClientsDialog::ClientsOpenClick);
    ClientsSearch->installEventFilter(this);
    ClientsTable->installEventFilter(this);
    resize(820, 560);
}

void TClientsDialog::createControls()
{
    ClientsSearch = new QLineEdit(this);
    ClientsSearch->setObjectName(QStringLiteral("ClientsSearch"));
    ClientsSearch->setPlaceholderText(QStringLiteral("Поиск по имени и заметкам"));
    ClientsTable = MakeTable(
        this, "ClientsTable",
        {QStringLiteral("Имя"), QStringLiteral("Дата рождения"), QStringLiteral("Время"), QStringLiteral("Место")});
    auto *buttons = new QHBoxLayout;
    const auto add = [&](const char *name, const QString &caption, void (TClientsDialog::*handler)()) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
    };
    add("ClientsOpen", QStringLiteral("Открыть"), &TClientsDialog::ClientsOpenClick);
    add("ClientsAdd", QStringLiteral("Добавить текущую…"), &TClientsDialog::ClientsAddClick);
    add("ClientsEdit", QStringLiteral("Изменить…"), &TClientsDialog::ClientsEditClick);
    add("ClientsDelete", QStringLiteral("Удалить"), &TClientsDialog::ClientsDeleteClick);
    add("ClientsExport", QStringLiteral("Экспорт…"), &TClientsDialog::ClientsExportClick);
    add("ClientsImport", QStringLiteral("Импорт…"), &TClientsDialog::ClientsImportClick);
    buttons->addStretch();
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ClientsSearch);
    layout->addWidget(ClientsTable, 1);
    layout->addLayout(buttons);
}

void TClientsDialog::setChartClient(const std::optional<Client> &chart)
{
    m_chart = chart;
    m_chosen.reset();
    findChild<QPushButton *>(QStringLiteral("ClientsAdd"))->setEnabled(chart.has_value());
    ClientsSearch->clear();
    showClients();
    ClientsSearch->setFocus();
}

void TClientsDialog::showClients(qint64 select)
{
    m_shown = m_file.search(ClientsSearch->text());
    ClientsTable->setRowCount(int(m_shown.size()));
    int current = m_shown.empty() ? -1 : 0;
    for (int row = 0; row < int(m_shown.size()); ++row) {
        const Client &c = m_shown[std::size_t(row)];
        ClientsTable->setItem(row, 0, TextItem(c.Name.toStdString()));
        ClientsTable->setItem(row, 1, TextItem(c.Date.toStdString()));
        ClientsTable->setItem(row, 2, TextItem(c.Time.toStdString()));
        const QString where =
            c.Zone.isEmpty() ? QStringLiteral("поправка ") + c.Correction : c.Place.section(u',', 0, 0);
        ClientsTable->setItem(row, 3, TextItem(where.toStdString()));
        if (c.Id == select)
            current = row;
    }
    ClientsTable->setCurrentCell(current, 0);
}

std::optional<Client> TClientsDialog::selected() const
{
    const int row = ClientsTable->currentRow();
    if (row < 0 || row >= int(m_shown.size()))
        return std::nullopt;
    return m_shown[std::size_t(row)];
}

// Says what went wrong, if anything; true when nothing did.
bool TClientsDialog::report(ClientError error)
{
    if (error == ClientError::None)
        return true;
    ShowMessage(this, ClientErrorText(error, m_file.path()));
    return false;
}

void TClientsDialog::ClientsSearchChange() { showClients(); }

void TClientsDialog::ClientsOpenClick()
{
    if (const std::optional<Client> client = selected()) {
        m_chosen = *client;
        accept();
    }
}

void TClientsDialog::ClientsAddClick()
{
    if (!m_chart)
        return;
    if (const std::optional<Client> added = AddWithForm(this, m_file, *m_chart))
        showClients(added->Id);
}

void TClientsDialog::ClientsEditClick()
{
    const std::optional<Client> current = selected();
    if (!current)
        return;
    TClientForm form(this);
    form.setValues(current->Name, current->Sex, current->Notes);
    while (form.exec() == QDialog::Accepted) {
        Client client = *current;
        client.Name = form.name();
        client.Sex = form.sex();
        client.Notes = form.notes();
        if (m_chart && !SameBirth(client, *m_chart)
            && AskYesNo(this,
                        QStringLiteral("Заменить данные рождения клиента «%1»:\n%2\nданными карты на экране:\n%3?")
                            .arg(client.Name, BirthText(client), BirthText(*m_chart))))
            client = WithBirthOf(client, *m_chart);
        if (report(m_file.update(client))) {
            showClients(client.Id);
            return;
        }
    }
}

void TClientsDialog::ClientsDeleteClick()
{
    const std::optional<Client> client = selected();
    if (!client
        || !AskYesNo(this,
                     QStringLiteral("Удалить клиента «%1» (%2) из картотеки?").arg(client->Name, BirthText(*client))))
        return;
    if (report(m_file.remove(client->Id)))
        showClients();
}

void TClientsDialog::ClientsExportClick()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Экспорт"), QStringLiteral("clients.csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    const QByteArray csv = m_file.exportCsv();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        ShowMessage(this, QStringLiteral("Не удалось записать файл «%1».").arg(path));
}

void TClientsDialog::ClientsImportClick()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Импорт"), QString(), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(this, QStringLiteral("Не удалось прочитать файл «%1».").arg(path));
        return;
    }
    const ImportResult result = m_file.importCsv(file.readAll());
    if (result.Problems.empty() && report(result.Error)) {
        ShowMessage(this, QStringLiteral("Добавлено клиентов: %1.").arg(result.Added));
        showClients();
        return;
    }
    QStringList lines;
    for (const RowProblem &problem : result.Problems)
        lines << RowProblemText(problem);
    if (lines.size() > 20)
        lines = lines.mid(0, 20) << QStringLiteral("…");
    if (!lines.isEmpty())
        ShowMessage(this, QStringLiteral("Ничего не импортировано:\n") + lines.join(u'\n'));
}

bool TClientsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ClientsOpenClick();
        return true;
    }
    // The arrows move in the table while the search field has the focus.
    if (watched == ClientsSearch && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const int row = ClientsTable->currentRow() + (key == Qt::Key_Down ? 1 : -1);
        if (row >= 0 && row < ClientsTable->rowCount())
            ClientsTable->setCurrentCell(row, 0);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

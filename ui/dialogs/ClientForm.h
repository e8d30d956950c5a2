// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

#include "Client.h"

class ClientFile;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Adds a client with the birth data of birth and the name, sex and notes
// the form asks for; a store that fails is said and the form shown again
// with what was typed. The stored client, or nothing when cancelled.
std::optional<Client> AddWithForm(QWidget *parent, ClientFile &file, const Client &birth);

// The small form of a client of the client file, caption "Клиент": the
// name (required, up to 200 characters), the sex (none, "м", "ж") and the
// notes. "Записать" accepts once a name is given; Esc cancels.
class TClientForm : public QDialog
{
    Q_OBJECT

public:
    explicit TClientForm(QWidget *parent = nullptr);

    void setValues(const QString &name, const QString &sex, const QString &notes);
    QString name() const;
    QString sex() const;
    QString notes() const;

    // Handler.
    void ClientFormNameChange();

private:
    QLineEdit *ClientFormName = nullptr;
    QComboBox *ClientFormSex = nullptr;
    QPlainTextEdit *ClientFormNotes = nullptr;
    QPushButton *m_save = nullptr;
};

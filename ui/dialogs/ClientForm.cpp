// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ClientFile.h"
#include "Fonts.h"
#include "MessageBoxes.h"

TClientForm::TClientForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ClientForm"));
    setWindowTitle(QStringLiteral("Клиент"));
    setFont(PixelFont(11, false));
    ClientFormName = new QLineEdit(this);
    ClientFormName->setObjectName(QStringLiteral("ClientFormName"));
    ClientFormName->setMaxLength(MaxNameLength);
    ClientFormSex = new QComboBox(this);
    ClientFormSex->setObjectName(QStringLiteral("ClientFormSex"));
    ClientFormSex->addItems({QString(), QStringLiteral("м"), QStringLiteral("ж")});
    ClientFormNotes = new QPlainTextEdit(this);
    ClientFormNotes->setObjectName(QStringLiteral("ClientFormNotes"));
    ClientFormNotes->setTabChangesFocus(true);
    auto *buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(QStringLiteral("Записать"), QDialogButtonBox::AcceptRole);
    m_save->setObjectName(QStringLiteral("ClientFormSave"));
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ClientFormName, &QLineEdit::textChanged, this, &TClientForm::ClientFormNameChange);

    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Имя"), ClientFormName);
    layout->addRow(QStringLiteral("Пол"), ClientFormSex);
    layout->addRow(QStringLiteral("Заметки"), ClientFormNotes);
    layout->addRow(buttons);
    resize(460, 320);
    ClientFormNameChange();
}

void TClientForm::setValues(const QString &name, const QString &sex, const QString &notes)
{
    ClientFormName->setText(name);
    ClientFormSex->setCurrentIndex(std::max(0, int(ClientFormSex->findText(sex))));
    ClientFormNotes->setPlainText(notes);
    ClientFormName->setFocus();
    ClientFormName->selectAll();
}

QString TClientForm::name() const { return ClientFormName->text().trimmed(); }
QString TClientForm::sex() const { return ClientFormSex->currentText(); }
QString TClientForm::notes() const { return ClientFormNotes->toPlainText(); }

std::optional<Client> AddWithForm(QWidget *parent, ClientFile &file, const Client &birth)
{
    TClientForm form(parent);
    form.setValues({}, {}, {});
    while (form.exec() == QDialog::Accepted) {
        Client client = birth;
        client.Name = form.name();
        client.Sex = form.sex();
        client.Notes = form.notes();
        const ClientFile::Added added = file.add(client);
        if (added.Error == ClientError::None) {
            client.Id = added.Id;
            return client;
        }
        ShowMessage(parent, ClientErrorText(added.Error, file.path()));
    }
    return std::nullopt;
}

void TClientForm::ClientFormNameChange() { m_save->setEnabled(!name().isEmpty()); }

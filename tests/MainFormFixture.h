// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "AboutUnit.h"
#include "EditField.h"
#include "MainUnit.h"
#include "MessageBoxes.h"
#include "ModalWatcher.h"
#include "SettingsStore.h"
#include "Unit2.h"

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}

// Settings kept in memory; a value can be made unreadable or the store
// unwritable.
class MemorySettings : public SettingsStore
{
public:
    std::optional<QString> read(const QString &name) override
    {
        if (badType.contains(name))
            throw VelmoraError(QStringLiteral("Invalid data type for '%1'").arg(name));
        return values.contains(name) ? std::optional(values[name]) : std::nullopt;
    }
    void write(const std::vector<std::pair<QString, QString>> &written) override
    {
        if (!writable)
            throw VelmoraError(QStringLiteral("Failed to set data for 'sd'"));
        if (!otherError.empty())
            throw std::runtime_error(otherError);
        for (const auto &[name, text] : written)
            values[name] = text;
        ++writes;
    }

    QMap<QString, QString> values;
    QStringList badType;
    bool writable = true;
    std::string otherError; // thrown as a library error, not the program's own
    int writes = 0;
};

// The real window, shown offscreen, after its first activation.
class MainFormTest : public ::testing::Test
{
protected:
    void start() { start(settings); }
    void start(SettingsStore &store)
    {
        form = std::make_unique<TMainForm>(store);
        picker = new TPickDate(form.get());
        about = new TAboutBox(form.get());
        form->setDialogs(picker, about);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // The first activation is queued by the first show; run it now.
        QCoreApplication::sendPostedEvents(form.get(), QEvent::MetaCall);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        for (EditField *input : form->findChildren<EditField *>())
            startupTexts[input->objectName()] = input->text();
    }

    void TearDown() override
    {
        if (form) {
            settings.writable = true;
            settings.otherError.clear();
            form->close();
        }
    }

    EditField *field(const char *name) { return form->findChild<EditField *>(QString::fromLatin1(name)); }
    // Writes a field as a handler does (no typing rules, caret at the start).
    void put(const char *name, const QString &text) { field(name)->setTextByHandler(text); }
    QString text(const char *name) { return field(name)->text(); }

    // Puts a chart input into the fields as a handler would.
    void enter(const QString &day, const QString &month, const QString &year, const QString &hour,
               const QString &minute, const QString &correction, const QString &degrees, const QString &minutes)
    {
        const char *names[] = {"ClientDay",    "ClientMonth", "ClientYear",     "ClientHour",
                               "ClientMinute", "ClientTime",  "ClientDolgotaG", "ClientDolgotaM"};
        const QString texts[] = {day, month, year, hour, minute, correction, degrees, minutes};
        for (int i = 0; i < 8; ++i)
            put(names[i], texts[i]);
    }

    MemorySettings settings;
    ModalWatcher modals;
    QMap<QString, QString> startupTexts; // the fields right after the first activation
    std::unique_ptr<TMainForm> form;
    TPickDate *picker = nullptr; // owned by the window, as in the program
    TAboutBox *about = nullptr;
};

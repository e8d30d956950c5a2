// SPDX-License-Identifier: AGPL-3.0-or-later
// Start-up and close of the main window: the current-moment fill, the first
// activation and the settings written at close.

#include "MainUnit.h"

#include <QDateTime>
#include <QGroupBox>
#include <QMenuBar>

#include "EditField.h"
#include "MessageBoxes.h"
#include "SettingsStore.h"

void TMainForm::currentMomentFill(bool recordStartup)
{
    const QDateTime now = QDateTime::currentDateTime();
    m_fields[Day]->setTextByHandler(ZeroFilled(now.date().day(), 2));
    m_fields[Month]->setTextByHandler(ZeroFilled(now.date().month(), 2));
    m_fields[Year]->setTextByHandler(QString::number(now.date().year()));
    if (recordStartup)
        for (Field field : {Day, Month, Year})
            m_startupTexts[field] = m_fields[field]->text().left(4);
    m_fields[Hour]->setTextByHandler(ZeroFilled(now.time().hour(), 2));
    m_fields[Minute]->setTextByHandler(ZeroFilled(now.time().minute(), 2));
    if (recordStartup)
        for (Field field : {Hour, Minute})
            m_startupTexts[field] = m_fields[field]->text().left(4);
}

void TMainForm::loadPlaceSettings()
{
    for (Field field : {Correction, Degrees, Minutes}) {
        const std::optional<QString> stored = m_settings.read(QString::fromLatin1(SpecOf(field).SettingKey));
        m_filledFromStore[field] = true; // even when the field's check rejects the text
        m_fields[field]->setTextByHandler(stored.value_or(QString::fromLatin1(SpecOf(field).Default)));
    }
}

void TMainForm::normalisePlaceFields()
{
    for (Field field : {Correction, Degrees, Minutes})
        m_fields[field]->setTextByHandler(ZeroFilled(m_fields[field]->text(), SpecOf(field).Width));
    for (Field field : {Correction, Degrees, Minutes})
        m_startupTexts[field] = m_fields[field]->text().left(4);
}

void TMainForm::FormActivate()
{
    currentMomentFill(true);
    m_fields[Day]->focusByProgram();
    loadPlaceSettings();
    normalisePlaceFields();
    restorePlace();
    restoreRules();
    DrawTab();
    DrawCopyTab();
    m_client->setFixedSize(m_copyPanel->width(), m_copyPanel->y() + m_copyPanel->height());
    setFixedSize(m_client->width(), m_client->height() + menuBar()->sizeHint().height());
    m_firstClickDone.fill(false);
    // Calculate, as the button does, but without the wait cursor: the
    // window has not painted its first frame yet, so the cursor would
    // show for a millisecond over nothing, and loading it (the theme's
    // animated hourglass) took two of the start-up's milliseconds.
    calculate(false);
}

void TMainForm::ClientGroupBox1DblClick() { currentMomentFill(false); }

// A field that start-up never filled (it stopped at an unreadable value
// before it) keeps its stored value, unless the user has typed into it.
std::vector<std::pair<QString, QString>> TMainForm::placeValuesToStore() const
{
    std::vector<std::pair<QString, QString>> values;
    for (Field field : {Correction, Degrees, Minutes})
        if (m_filledFromStore[field] || !m_fields[field]->text().isEmpty())
            values.emplace_back(QString::fromLatin1(SpecOf(field).SettingKey), m_fields[field]->text());
    for (auto &value : placeSettingsToStore())
        values.push_back(std::move(value));
    using Values = std::vector<std::pair<QString, QString>> (TMainForm::*)() const;
    for (const Values more : {&TMainForm::rulesToStore, &TMainForm::sexToStore, &TMainForm::spanToStore})
        for (auto &value : (this->*more)())
            values.push_back(std::move(value));
    return values;
}

// A failed write keeps the window open once, with the store's message; a
// close request right after it, with the same values, closes without trying
// again, so a store that cannot be written never traps the user. Changed
// values are tried again. The end of the session closes in any case.
bool TMainForm::FormCloseQuery()
{
    const auto values = placeValuesToStore();
    if (m_refusedValues == values)
        return true;
    QString failure;
    try {
        if (!values.empty())
            m_settings.write(values);
        return true;
    } catch (const VelmoraError &error) {
        failure = error.message();
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what()); // never into the event loop
    }
    if (m_sessionEnding)
        return true;
    ShowErrorReport(this, failure);
    m_refusedValues = values;
    return false;
}

void TMainForm::closeAtSessionEnd()
{
    m_sessionEnding = true;
    close();
}

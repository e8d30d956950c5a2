// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "ActivePlace.h"
#include "ChartSigns.h"
#include "Client.h"
#include "LuckPillars.h"
#include "ChartTypes.h"
#include "FieldRules.h"
#include "InputFields.h"
#include "ResultPanel.h"
#include "SharedChart.h"

struct City;
struct FieldTexts;
class ClientGroupBox;
class EditField;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class SettingsStore;
class SpinButton;
class TAboutBox;
class TPickDate;
class TPlaceDialog;
class TLuckDialog;
class TAroundDialog;
class TReadingDialog;
class TDaysDialog;
class ClientFile;
struct ClockTime;
struct SolarTermOptions;

// The main window: the four input groups, the result images, the copy panel,
// the three command buttons and the menu.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(SettingsStore &settings, QWidget *parent = nullptr);
    ~TMainForm() override;

    const ChartResult &result() const { return m_result; }

    // MainCommands.cpp: the command buttons and "Выход".
    void BitBtn1Click(); // "Расчет", Enter in an input field: calculate
    void Bit2Click();    // "Копировать": copy the chart into the copy panel
    void BitBtn2Click(); // "Закрыть", Esc: close the window
    void N9Click();      // menu "Выход", Ctrl+X: close the window

    // MainShare.cpp: saving and copying the chart.
    void NSaveClick();        // menu "Сохранить…", Ctrl+S
    void NCopyTextClick();    // menu "Копировать как текст", Ctrl+Shift+C
    void NCopyPictureClick(); // menu "Копировать как рисунок"
    // Saves the chart on display to the file, its type by the extension, a
    // PDF with its report and these days; shows the reason and returns false
    // when it cannot.
    bool saveChartTo(const QString &path, std::vector<AlmanacRow> days = {});

    // MainDialogs.cpp: the dialogs and the other menu items.
    // The dialogs are created after the window and handed to it.
    void setDialogs(TPickDate *picker, TAboutBox *about);
    void N7Click(); // menu "Печать", F8: print the chart
    void N2Click(); // menu "Помощь": the help text
    void N3Click(); // menu "О программе": the about box

    // MainPlace.cpp: the place dialog.
    void NPlaceClick();      // menu "Место…", Ctrl+M
    void NLuckClick();       // menu "Такты удачи…", Ctrl+L
    void NAroundClick();     // menu "Неточное время…", Ctrl+R
    void NReadingClick();    // menu "Разбор карты…", Ctrl+I
    void NDaysClick();       // menu "Календарь дней…", Ctrl+D
    void NClientsClick();    // menu "Картотека…", Ctrl+O
    void NClientSaveClick(); // menu "Записать в картотеку", Ctrl+K
    void NRulesClick(); // menu "Истинное солнечное время" or "Смена дня в 0:00" toggled
    void GroupBox1MouseDown(Qt::MouseButton button);       // right button on the correction group
    void ClientGroupBox4MouseDown(Qt::MouseButton button); // right button on the longitude group

    // MainDrawing.cpp: the result areas.
    void DrawTab();     // empty tables of the chart on screen
    void DrawCopyTab(); // empty tables of the copy panel
    void DrawResult();  // the last chart into the tables on screen

    // MainStartup.cpp: start-up and close.
    void FormActivate();   // the first activation: fill, load the settings, calculate
    bool FormCloseQuery(); // the close request: store the settings
    // Closes for a log-out, shutdown or stop request: the settings are
    // written if they can be, without a message, and the window closes.
    void closeAtSessionEnd();
    void ClientGroupBox1DblClick(); // double click on the date group: the present moment

    // MainFields.cpp: the date fields ClientDay, ClientMonth, ClientYear.
    KeyDecision ClientDayKeyPress(QChar key);
    KeyDecision ClientMonthKeyPress(QChar key);
    KeyDecision ClientYearKeyPress(QChar key);
    void ClientDayChange();
    void ClientMonthChange();
    void ClientYearChange();
    void ClientDayKeyUp();
    void ClientMonthKeyUp();
    void ClientDayClick();
    void ClientMonthClick();
    void ClientYearClick();
    void ClientDayExit();
    void ClientMonthExit();
    void ClientYearExit();
    void SpinButtonDataUpClick(); // the date group's arrows
    void SpinButtonDataDownClick();
    void ClientGroupBox1Click();                           // the date group "Дата"
    void ClientGroupBox1MouseDown(Qt::MouseButton button); // right button: the date picker
    void ClientGroupBox1Exit();                            // the focus left the date group: the date check

    // MainFields.cpp: the time fields ClientHour, ClientMinute.
    KeyDecision ClientHourKeyPress(QChar key);
    KeyDecision ClientMinuteKeyPress(QChar key);
    void ClientHourChange();
    void ClientMinuteChange();
    void ClientHourKeyUp();
    void ClientMinuteKeyUp();
    void ClientHourClick();
    void ClientMinuteClick();
    void ClientHourExit();
    void ClientMinuteExit();
    void SpinButtonTimeUpClick(); // the time group's arrows
    void SpinButtonTimeDownClick();
    void ClientGroupBox2Click(); // the time group "Время"

    // MainFields.cpp: ClientTime is the correction in hours ("Поправка"),
    // ClientDolgotaG and ClientDolgotaM the longitude degrees and minutes
    // ("Долгота").
    KeyDecision ClientTimeKeyPress(QChar key);
    KeyDecision ClientDolgotaGKeyPress(QChar key);
    KeyDecision ClientDolgotaMKeyPress(QChar key);
    void ClientTimeChange();
    void ClientDolgotaGChange();
    void ClientDolgotaMChange();
    void ClientTimeExit();
    void ClientDolgotaGExit();
    void ClientDolgotaMExit();
    void SpinButtonTUpClick(); // SpinButtonT: the correction's arrows
    void SpinButtonTDownClick();
    void SpinButtonDUpClick(); // SpinButtonD: the longitude's arrows
    void SpinButtonDDownClick();
    void ClientButtonDolgotaClick(); // the hemisphere button "E"/"W"

protected:
    // MainUnit.cpp
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    using Field = InputFields::Field;
    using enum InputFields::Field;
    enum ClickField { ClickDay, ClickMonth, ClickYear, ClickHour, ClickMinute, ClickCount };

    // MainUnit.cpp: the controls and the keys of the window.
    void buildDateGroup();
    void buildTimeGroup();
    void buildPlaceGroups();
    void buildResultArea();
    void buildCopyPanel();
    void buildMenu();
    void addChartTool(QAction *tool); // a tool of the chart on display, enabled by the first chart
    void setTabOrder();
    bool inputFieldHasFocus() const;

    // MainConnections.cpp
    std::function<void()> bound(void (TMainForm::*handler)()); // the handler inside RunHandler
    void connectFields();
    void connectCommands();

    // MainCommands.cpp
    void calculate(bool showWaitCursor); // the Calculate command, with or without the wait cursor

    // MainDialogs.cpp
    void setPickerDate(const CalendarDate &date);
    void openDatePicker();

    // MainShare.cpp
    void buildShareItems(QMenu *menu);
    void enableSharing();
    SharedChart sharedChart(std::vector<AlmanacRow> days = {}) const;
    void saveReport(QWidget *parent, std::vector<AlmanacRow> days);
    std::string reportText() const;
    QString saveFolder();

    // MainPlace.cpp
    void addPlaceCommand(QMenu *menu);
    void openPlaceDialog();
    void applyPlace(const City &city);
    bool takePlaceOffset(const CalendarDate &date, std::optional<int> &offset);
    void writePlaceCorrection(int offsetSeconds);
    void showPlace();
    void dropPlace();
    void restorePlace();
    std::vector<std::pair<QString, QString>> placeSettingsToStore() const;

    // MainLuck.cpp
    void addLuckCommand(QMenu *menu);
    std::vector<std::pair<QString, QString>> sexToStore() const;

    // MainReading.cpp
    void addReadingCommand(QMenu *menu);

    // MainRules.cpp
    void addRuleCommands(QMenu *menu);
    void buildRulesLabel();
    void applyRules(ChartInput &input) const;
    void showRules();
    void restoreRules();
    QString optionalSetting(const QString &name);
    std::vector<std::pair<QString, QString>> rulesToStore() const;

    // MainClients.cpp
    void addClientCommands();
    void buildClientLabel();
    ClientFile *clientFile();
    std::optional<Client> chartClient() const;
    void openClient(const Client &client);
    void showClient(const std::optional<Client> &client);

    // MainDays.cpp
    void addDaysCommand(QMenu *menu);
    std::optional<ChartInput> presentInput() const;

    // MainAround.cpp
    void addAroundCommand(QMenu *menu);
    void buildChangeWarning();
    void showChangeWarning(const ChartInput &input, const SolarTermOptions &options);
    int storedSpan();
    std::vector<std::pair<QString, QString>> spanToStore() const;
    void writeClockTime(const ClockTime &time);

    // MainDrawing.cpp
    void drawPreviousResult();
    void drawCopyOfResult();

    // MainStartup.cpp
    void currentMomentFill(bool recordStartup);
    void loadPlaceSettings();
    void normalisePlaceFields();
    std::vector<std::pair<QString, QString>> placeValuesToStore() const;

    // MainFields.cpp
    FieldTexts fieldTexts() const;
    std::optional<CalendarDate> checkedDate();
    // The fields as a chart input, with the place's offset when there is one.
    // The date check, then the active place's offset for the fields; nothing
    // when the command stops (after the date message, or a cancelled choice).
    std::optional<CalendarDate> checkedDateAndPlace(std::optional<int> &placeOffset);
    std::optional<ChartInput> fieldInput(const std::optional<int> &placeOffset) const;
    void reportDateDoesNotExist();
    void firstClick(EditField *field, ClickField flag);
    void dateExit(Field which, const QString &completable);
    void keyUpMoveOn(EditField *field, int threshold, QWidget *next);
    void timeExit(Field which);
    void placeChange(Field which);
    void placeExit(Field which);
    void stepField(Field which, bool up);
    void spinDate(bool up);
    void spinPair(Field first, Field second, bool up);
    void spinCorrection(bool up);
    void afterDateFieldExit(EditField *field);

    SettingsStore &m_settings;
    TPickDate *m_picker = nullptr;
    TAboutBox *m_about = nullptr;
    TPlaceDialog *m_placeDialog = nullptr;
    TLuckDialog *m_luckDialog = nullptr;
    TReadingDialog *m_readingDialog = nullptr;
    TDaysDialog *m_daysDialog = nullptr;
    // The client file, opened on first use; the client opened from it, whose
    // name the label above the place shows, and its sex for the luck pillars.
    std::unique_ptr<ClientFile> m_clients;
    bool m_clientStateShown = false;
    std::optional<Client> m_openClient;
    std::optional<Sex> m_clientSex;
    // The sex of the luck pillars and the uncertain-time span last chosen
    // in their dialogs this run, stored at close.
    std::optional<Sex> m_chosenSex;
    std::optional<int> m_chosenSpan;
    QLabel *m_clientLabel = nullptr;
    // The chart rules, checkable menu items, and the line naming those on.
    QAction *m_solarTime = nullptr;
    QAction *m_dayChange = nullptr;
    QLabel *m_rulesLabel = nullptr;
    bool m_rulesRead = false;            // start-up got as far as reading them
    std::vector<QAction *> m_chartTools; // enabled by the first chart
    TAroundDialog *m_aroundDialog = nullptr;
    QLabel *m_changeWarning = nullptr; // red, under the place: a change near the chart's moment
    // The reading and the luck pillars once their dialogs were opened for
    // m_result: they go into the copied text and the saved report.
    ReportContent m_report;

    ChartResult m_result;
    ChartInput m_chartInput;   // the input of m_result
    ChartSigns m_chartSigns;   // the stem and branch of each pillar of m_result
    std::string m_chartPlace;  // the name of the place of m_result, UTF-8; empty for none
    QString m_chartPlaceLabel; // the place of m_result: its label and zone, empty for none
    QByteArray m_chartPlaceZone;
    std::int32_t m_solarMonth = 1;
    std::int32_t m_yearGroup = 0;
    bool m_hasResult = false;
    bool m_activated = false;

    std::array<QString, FieldCount> m_startupTexts;
    std::array<bool, ClickCount> m_firstClickDone{};
    // Close state: which place fields start-up filled from the store, the
    // values a close failed to write, a close that must not be refused.
    std::array<bool, FieldCount> m_filledFromStore{};
    std::optional<std::vector<std::pair<QString, QString>>> m_refusedValues;
    bool m_sessionEnding = false;
    QString m_saveFolder; // of the last chart saved in this run
    // The place whose zone gives the correction, from the place dialog or the
    // store, until the correction or the longitude is changed by hand; the
    // window's own writes from the place set m_writingPlace.
    std::optional<ActivePlace> m_place;
    bool m_writingPlace = false;
    bool m_placeSettingsRead = false; // start-up got as far as reading them
    QLabel *m_placeLabel = nullptr;

    ClientGroupBox *m_dateGroup = nullptr;
    ClientGroupBox *m_timeGroup = nullptr;
    ClientGroupBox *m_correctionGroup = nullptr;
    ClientGroupBox *m_longitudeGroup = nullptr;
    std::array<EditField *, FieldCount> m_fields{};
    SpinButton *m_spinDate = nullptr;
    SpinButton *m_spinTime = nullptr;
    SpinButton *m_spinCorrection = nullptr;
    SpinButton *m_spinLongitude = nullptr;
    QPushButton *m_hemisphere = nullptr;
    QPushButton *m_calculate = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_close = nullptr;
    QGroupBox *m_copyPanel = nullptr;
    ResultPanel m_screenResult; // Image1..Image3
    ResultPanel m_copyResult;   // Image4..Image6, in the copy panel
    QWidget *m_client = nullptr;
    std::array<QAction *, 3> m_shareActions{};
};

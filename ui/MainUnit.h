#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "ChartTypes.h"
#include "FieldRules.h"
#include "InputFields.h"
#include "SharedChart.h"

struct City;
struct FieldTexts;
class ClientGroupBox;
class EditField;
class ImageArea;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class SettingsStore;
class SpinButton;
class TAboutBox;
class TPickDate;
class TPlaceDialog;

// The main window: the four input groups, the result images, the copy panel,
// the three command buttons and the menu.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(SettingsStore &settings, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The dialogs are created after the window and handed to it.
    void setDialogs(TPickDate *picker, TAboutBox *about);

    const ChartResult &result() const { return m_result; }

    // Commands.
    void BitBtn1Click();
    void Bit2Click();
    void BitBtn2Click();
    void N7Click();
    void N9Click();
    void N2Click();
    void N3Click();
    void NPlaceClick();
    void NSaveClick();
    void NCopyTextClick();
    void NCopyPictureClick();

    // Saves the chart on display to the file, its type by the extension;
    // shows the reason and returns false when it cannot.
    bool saveChartTo(const QString &path);

    // Drawing.
    void DrawTab();
    void DrawCopyTab();
    void DrawResult();

    // Start-up and close.
    void FormActivate();
    bool FormCloseQuery();
    // Closes for a log-out, shutdown or stop request: the settings are
    // written if they can be, without a message, and the window closes.
    void closeAtSessionEnd();

    // Date fields.
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
    void SpinButtonDataUpClick();
    void SpinButtonDataDownClick();
    void ClientGroupBox1Click();
    void ClientGroupBox1DblClick();
    void ClientGroupBox1MouseDown(Qt::MouseButton button);
    void ClientGroupBox1Exit();

    // Time fields.
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
    void SpinButtonTimeUpClick();
    void SpinButtonTimeDownClick();
    void ClientGroupBox2Click();

    // Correction and longitude fields.
    KeyDecision ClientTimeKeyPress(QChar key);
    KeyDecision ClientDolgotaGKeyPress(QChar key);
    KeyDecision ClientDolgotaMKeyPress(QChar key);
    void ClientTimeChange();
    void ClientDolgotaGChange();
    void ClientDolgotaMChange();
    void ClientTimeExit();
    void ClientDolgotaGExit();
    void ClientDolgotaMExit();
    void SpinButtonTUpClick();
    void SpinButtonTDownClick();
    void SpinButtonDUpClick();
    void SpinButtonDDownClick();
    void ClientButtonDolgotaClick();
    void GroupBox1MouseDown(Qt::MouseButton button);
    void ClientGroupBox4MouseDown(Qt::MouseButton button);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    using Field = InputFields::Field;
    using enum InputFields::Field;
    enum ClickField { ClickDay, ClickMonth, ClickYear, ClickHour, ClickMinute, ClickCount };

    void buildDateGroup();
    void buildTimeGroup();
    void buildPlaceGroups();
    void buildResultArea();
    void buildCopyPanel();
    void buildMenu();
    void buildShareItems(QMenu *menu);
    void enableSharing();
    SharedChart sharedChart() const;
    QString saveFolder();
    std::function<void()> bound(void (TMainForm::*handler)()); // the handler inside RunHandler
    void connectFields();
    void connectCommands();
    void setTabOrder();

    void currentMomentFill(bool recordStartup);
    void loadPlaceSettings();
    void normalisePlaceFields();
    std::vector<std::pair<QString, QString>> placeValuesToStore() const;
    void setPickerDate(const CalendarDate &date);
    void openDatePicker();
    void addPlaceCommand(QMenu *menu);
    void openPlaceDialog();
    void applyPlace(const City &city);
    void drawPreviousResult();
    FieldTexts fieldTexts() const;
    std::optional<CalendarDate> checkedDate();
    // The Calculate command, with or without the wait cursor.
    void calculate(bool showWaitCursor);
    void reportDateDoesNotExist();
    bool inputFieldHasFocus() const;

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

    ChartResult m_result;
    ChartInput m_chartInput; // the input of m_result
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
    std::array<ImageArea *, 6> m_images{};
    QWidget *m_client = nullptr;
    std::array<QAction *, 3> m_shareActions{};
};

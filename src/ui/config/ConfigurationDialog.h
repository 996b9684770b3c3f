#pragma once

#include "configure/ConfigDialogValues.h"
#include "configure/DialogOpening.h"
#include "configure/ToneLabels.h"
#include "ui/config/ControlBindings.h"
#include "ui/config/SettingWidgets.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace orvane {

class ConfigChanged;
struct Settings;

// The configuration dialog: one page per mode, a General and a Messages
// page. It shows a ConfigDialogValues record and reads it back; the editing
// rules that cannot wait for the closing (tone labels, FEC labels, call
// signs, station lists, the message editor, the port change) run here.
class ConfigurationDialog : public QDialog {
    Q_OBJECT
public:
    enum class Closing { Ok, Cancel, Defaults };

    // The message files lie in `messageDir` (read at each use).
    ConfigurationDialog(Settings& settings, ConfigChanged& configChanged,
                        const std::filesystem::path& messageDir, QWidget* parent = nullptr);

    // Fills every control for this opening (the dialog is shown afterwards).
    void fill(const OpeningFacts& facts);
    // The controls' values once the dialog has closed: what they showed at
    // the opening when it was cancelled.
    const ConfigDialogValues& values() const { return values_; }
    Closing closing() const { return closing_; }
    // The controls read back into values() now, for a caller that needs them
    // before the dialog closes.
    const ConfigDialogValues& takeValues();

    // Buttons and editing handlers.
    void cancelEdits();
    void acceptEdits();
    void butDefaultsClick();
    void addStation();
    void removeStation();
    void addStation476();
    void removeStation476();
    void stepMessageNumber(int step);
    void notePortChange();

    // The Print Squelch dialog switched the squelch.
    void showPrintSquelchOn(bool on);

    // The controls that are locked during a link, a transmission or a broadcast.
    const std::vector<QWidget*>& editLockedControls() const { return editLocked_; }

    void reject() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget* buildGeneralPage();
    QWidget* buildQuoralPage();
    QWidget* buildAmtorPage();
    QWidget* buildPModePage();
    QWidget* buildBaudotPage();
    QWidget* buildAsciiPage();
    QWidget* buildPsk31Page();
    QWidget* buildMessagesPage();
    void buildButtons();
    void connectEditing();
    void tonePage(QWidget* page, const char* boxName, const QString& title,
                  const ToneFields& tones);
    void callSignField(QWidget* edit, std::string& value, std::string Settings::*field);
    void lock(std::initializer_list<QWidget*> controls);
    void showLocks();
    void showPortDevice();
    void loadMessage();
    void storeStationLists();

    Settings& settings_;
    ConfigChanged& configChanged_;
    const std::filesystem::path& messageDir_;
    ConfigDialogValues values_;
    ConfigDialogValues opening_;
    OpeningFacts facts_;
    ControlBindings bindings_;
    SettingWidgets widgets_{bindings_, values_.settings};
    Closing closing_ = Closing::Cancel;
    QTabWidget* folder_ = nullptr;
    QPlainTextEdit* hereIs_ = nullptr;
    QLabel* portDevice_ = nullptr;
    std::vector<QWidget*> editLocked_;
    std::vector<QWidget*> callSignEdits_;
};

} // namespace orvane

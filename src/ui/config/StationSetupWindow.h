#pragma once

#include <QDialog>

#include <filesystem>

class QLabel;
class QLineEdit;

namespace orvane {

class PortPicker;
class Prompter;
class SettingsSaver;
struct OperationContext;

// "Welcome to Orvane": a station whose settings still hold the placeholder
// call sign, or no port, is told so here and asked for them. The window
// does not stop the console; the rest of it goes on behind.
class StationSetupWindow : public QDialog {
    Q_OBJECT
public:
    struct Parts {
        const OperationContext& context;
        SettingsSaver& saver;
        PortPicker& ports;
        Prompter& prompter;
        // Where Config/ports is.
        std::filesystem::path baseDir;
    };
    explicit StationSetupWindow(Parts parts, QWidget* parent = nullptr);

    // Shows what the settings hold now, and comes to the front.
    void present();

protected:
    // The start-up may have changed the port since the window was filled.
    bool event(QEvent* event) override;

private:
    void takeCallSign();
    void choosePort();
    void showState();

    Parts p_;
    QLabel* callState_;
    QLineEdit* callEdit_;
    QLabel* portState_;
};

} // namespace orvane

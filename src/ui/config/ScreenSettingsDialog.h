#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QWidget;

namespace orvane {

class DisplayTarget;
struct Settings;

// The screen settings: fonts, sizes and colours of the two panes, with a
// preview of each; Apply and OK store them and change the panes.
class ScreenSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ScreenSettingsDialog(Settings& settings, DisplayTarget& panes, QWidget* parent = nullptr);

    void applyChoices();
    void applyChoicesAndClose();
    void closeUnapplied() { hide(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QComboBox* fontList(const char* name);
    QComboBox* sizeList(const char* name);
    QComboBox* colourList(const char* name);
    void loadFromSettings();
    void drawPreviews();

    Settings& settings_;
    DisplayTarget& panes_;
    QComboBox* receiveFont_;
    QComboBox* receiveSize_;
    QComboBox* receiveText_;
    QComboBox* echoText_;
    QComboBox* receiveBack_;
    QComboBox* transmitFont_;
    QComboBox* transmitSize_;
    QComboBox* transmitText_;
    QComboBox* highLight_;
    QComboBox* transmitBack_;
    QWidget* receivePreview_;
    QWidget* transmitPreview_;
    QLabel* receiveLabel_;
    QLabel* echoLabel_;
    QLabel* transmitLabel_;
    QLabel* highLightLabel_;
};

} // namespace orvane

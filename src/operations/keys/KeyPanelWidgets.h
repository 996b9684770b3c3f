#pragma once

#include <QFrame>

#include <array>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace orvane {

// The small panels the keys lay over the main window, each with its O&K and
// &Cancel push buttons. They are hidden until a key opens them.

// MycallPanel: the own call (Alt+M); O&K is the default button.
class MycallPanel : public QFrame {
    Q_OBJECT
public:
    explicit MycallPanel(QWidget* parent);
    QLineEdit* edMycall;
    QPushButton* Button1;
    QPushButton* Button3;
};

// HisCallPanel: the other station's call (Ctrl+F3); Enter in the edit is O&K.
class HisCallPanel : public QFrame {
    Q_OBJECT
public:
    explicit HisCallPanel(QWidget* parent);
    QLineEdit* edHisCall;
    QPushButton* Button9;
    QPushButton* Button10;
};

// AFChannelPanel: the Quoral audio channel, 1 to 4 (Ctrl+F9, Ctrl+F11).
class AFChannelPanel : public QFrame {
    Q_OBJECT
public:
    explicit AFChannelPanel(QWidget* parent);
    QSpinBox* AFChannelSpin;
    QPushButton* Button11;
    QPushButton* Button12;
};

// FSKTonesPanel and PModeTonesPanel: four tone edits (Ctrl+F11).
class TonesPanel : public QFrame {
    Q_OBJECT
public:
    struct Names {
        const char* panel;
        std::array<const char*, 4> captions;
        std::array<const char*, 4> edits;
        const char* ok;
        const char* cancel;
    };
    TonesPanel(const Names& names, QWidget* parent);
    std::array<QLineEdit*, 4> edits;
    QPushButton* ok;
    QPushButton* cancel;
};

inline const TonesPanel::Names kFskTonesPanel{"FSKTonesPanel",
                                              {"MARK", "SPACE", "Center", "Shift"},
                                              {"edMarkTone", "edSpaceTone", "edFSKCenter", "edFSKShift"},
                                              "Button13",
                                              "Button14"};
inline const TonesPanel::Names kPModeTonesPanel{"PModeTonesPanel",
                                                {"FREQ 1", "FREQ 2", "Center", "Shift"},
                                                {"edFreq1", "edFreq2", "edPmodeCenter", "edPModeShift"},
                                                "Button15",
                                                "Button16"};

} // namespace orvane

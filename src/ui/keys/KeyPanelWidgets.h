#pragma once

#include "controls/Control.h"

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
        Control panel;
        std::array<const char*, 4> captions;
        std::array<Control, 4> edits;
        Control ok;
        Control cancel;
    };
    TonesPanel(const Names& names, QWidget* parent);
    std::array<QLineEdit*, 4> edits;
    QPushButton* ok;
    QPushButton* cancel;
};

inline const TonesPanel::Names kFskTonesPanel{
    Control::FskTonesPanel,
    {"MARK", "SPACE", "Center", "Shift"},
    {Control::FskMarkEdit, Control::FskSpaceEdit, Control::FskCenterEdit, Control::FskShiftEdit},
    Control::FskTonesOk,
    Control::FskTonesCancel};
inline const TonesPanel::Names kPModeTonesPanel{Control::PModeTonesPanel,
                                                {"FREQ 1", "FREQ 2", "Center", "Shift"},
                                                {Control::PModeFreq1Edit, Control::PModeFreq2Edit,
                                                 Control::PModeCenterEdit, Control::PModeShiftEdit},
                                                Control::PModeTonesOk,
                                                Control::PModeTonesCancel};

} // namespace orvane

#pragma once

#include "serial/PortAvailability.h"

#include <QDialog>
#include <vector>

class QComboBox;

namespace orvane {

class Prompter;

// "Serial Port Error": the operator picks another port from those found
// available. The list changes only with the mouse.
class TComFrm : public QDialog {
    Q_OBJECT
public:
    TComFrm(Prompter& prompter, const std::vector<PortEntry>& availablePorts,
            QWidget* parent = nullptr);

    int SelectedPort() const { return selectedPort_; }

    void PortBoxChange();

private:
    Prompter& prompter_;
    QComboBox* portBox_;
    int selectedPort_ = 1;
};

} // namespace orvane

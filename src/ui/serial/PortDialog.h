#pragma once

#include "serial/PortAvailability.h"

#include <QDialog>
#include <vector>

class QComboBox;

namespace orvane {

class Prompter;

// "Serial Port Error": the operator picks another port from those found
// available. The list changes only with the mouse.
class PortDialog : public QDialog {
    Q_OBJECT
public:
    PortDialog(Prompter& prompter, const std::vector<PortEntry>& availablePorts,
               QWidget* parent = nullptr);

    int SelectedPort() const { return selectedPort_; }

    void takeChosenPort();

private:
    Prompter& prompter_;
    QComboBox* portBox_;
    int selectedPort_ = 1;
};

} // namespace orvane

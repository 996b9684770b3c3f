#pragma once

#include "serial/PortOptions.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;

namespace orvane {

// "Serial Port Error": the operator picks the modem's port among the links
// of Config/ports and the machine's serial devices, each shown with its
// product and its stable name. The list changes only with the mouse.
class PortDialog : public QDialog {
    Q_OBJECT
public:
    // `reason` says why a port is asked for; empty when the operator asked.
    PortDialog(std::vector<PortOption> choices, const QString& reason = {},
               QWidget* parent = nullptr);

    // The entry shown in the list; none when the list is empty.
    const PortOption* chosen() const;

private:
    void showChosen();

    std::vector<PortOption> choices_;
    QComboBox* portBox_;
    QLabel* stableName_;
};

} // namespace orvane

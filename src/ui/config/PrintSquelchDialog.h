#pragma once

#include "configure/ConfigurationApply.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace orvane {

struct ModeContext;

// The Print Squelch dialog: every change of its level or switch reaches the
// modem and the amplitude window's markers at once.
class PrintSquelchDialog : public QDialog, public PrintSquelchLevelView {
    Q_OBJECT
public:
    explicit PrintSquelchDialog(ModeContext& context, QWidget* parent = nullptr);

    // PrintSquelchLevelView: the level without running the apply.
    void showPrintSquelchLevel(int level) override;
    bool squelchOn() const;
    void setSquelchOn(bool on);

    void PrintSquelchApply();
    void dismiss() { reject(); }

private:
    ModeContext& context_;
    QRadioButton* on_;
    QRadioButton* off_;
    QSpinBox* level_;
};

} // namespace orvane

#pragma once

#include "config/dialog/ConfigurationApply.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace orvane {

struct ModeContext;

// The Print Squelch dialog: every change of its level or switch reaches the
// modem and the amplitude window's markers at once.
class TForm3 : public QDialog, public PrintSquelchLevelView {
    Q_OBJECT
public:
    explicit TForm3(ModeContext& context, QWidget* parent = nullptr);

    // PrintSquelchLevelView: the level without running the apply.
    void showPrintSquelchLevel(int level) override;
    bool squelchOn() const;
    void setSquelchOn(bool on);

    void PrintSquelchApply();
    void Button1Click() { reject(); }

private:
    ModeContext& context_;
    QRadioButton* on_;
    QRadioButton* off_;
    QSpinBox* level_;
};

} // namespace orvane

#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace orvane {

class Prompter;

// "Quoral Broadcast Modulation": the modulation of a Quoral broadcast, with
// the block size and rates it gives. The box is editable; a text that is no
// modulation gets "Invalid Entry" when the figures are shown.
class BroadcastDialog final : public QDialog {
    Q_OBJECT
public:
    BroadcastDialog(Prompter& prompter, QWidget* parent = nullptr);

    void setModulation(const QString& modulation);
    QString modulation() const;

    // Shows the figures of the box's text, on showing and at each choice.
    void showFigures();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Prompter& prompter_;
    QComboBox* modComboBox_;
    QLabel* blockSizeLabel_;
    QLabel* baseRateLabel_;
    QLabel* actualLabel_;
};

} // namespace orvane

#pragma once

#include "controls/Control.h"

#include <QDialog>

class QLabel;
class QFormLayout;

namespace orvane {

struct ModemIdentityTexts {
    QString productId, bootVersion, hardwareVersion, lodVersion, s28Version, quoralWaveform;
};

// TAboutBox: the program's and the modem's versions.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    void fill(const QString& version, const ModemIdentityTexts& modem);

private:
    QLabel* addField(QFormLayout* form, Control control, const QString& label);
    QLabel* productName_;
    QLabel* version_;
    QLabel *lod_, *s28_, *eprom_, *prodId_, *hardware_, *waveform_;
};

} // namespace orvane

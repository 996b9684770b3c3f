#include "ui/config/StationSetupWindow.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "config/SettingsSaver.h"
#include "config/StationSetup.h"
#include "configure/InputRules.h"
#include "operations/OperationContext.h"
#include "operations/OwnCall.h"
#include "platform/ControlObjects.h"
#include "platform/Prompter.h"
#include "serial/PortName.h"
#include "ui/config/DialogWidgets.h"
#include "ui/serial/PortPicker.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* note(Control control, QWidget* parent) {
    auto* label = new QLabel(parent);
    nameControl(*label, control);
    label->setWordWrap(true);
    return label;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

StationSetupWindow::StationSetupWindow(Parts parts, QWidget* parent)
    : QDialog(parent), p_(std::move(parts)), callState_(note(Control::StationSetupCallState, this)),
      callEdit_(callSignEdit(this, objectNameText(Control::StationSetupCall), kCallSignCapacity)),
      portState_(note(Control::StationSetupPortState, this)) {
    nameControl(*this, Control::StationSetupWindow);
    setWindowTitle("Welcome to Orvane");
    setModal(false);
    setMinimumWidth(480);

    callEdit_->setPlaceholderText("e.g. DL1ABC");
    auto* useCall = new QPushButton("&Use This Call Sign", this);
    nameControl(*useCall, Control::StationSetupUseCall);
    useCall->setDefault(true);
    auto* choosePort = new QPushButton("Choose &Port...", this);
    nameControl(*choosePort, Control::StationSetupChoosePort);
    auto* close = new QPushButton("&Close", this);
    nameControl(*close, Control::StationSetupClose);
    connect(useCall, &QPushButton::clicked, this, [this] { takeCallSign(); });
    connect(choosePort, &QPushButton::clicked, this, [this] { this->choosePort(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading("Two things to set before this station goes on the air", this));
    layout->addSpacing(6);
    layout->addWidget(heading("1. Your call sign", this));
    layout->addWidget(callState_);
    auto* callRow = new QHBoxLayout;
    callRow->addWidget(new QLabel("Call sign:", this));
    callRow->addWidget(callEdit_, 1);
    callRow->addWidget(useCall);
    layout->addLayout(callRow);
    layout->addSpacing(6);
    layout->addWidget(heading("2. The modem's serial port", this));
    layout->addWidget(portState_);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(choosePort);
    portRow->addStretch();
    layout->addLayout(portRow);
    layout->addSpacing(6);
    auto* later = new QLabel(this);
    later->setWordWrap(true);
    later->setText("Both are kept in Config/orvane.ini. Change them later under Configure "
                   "\u2192 Configuration Pages... (MyCall on the Messages page, the port on the "
                   "General page).");
    layout->addWidget(later);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    layout->addLayout(closeRow);
}

void StationSetupWindow::present() {
    showState();
    show();
    raise();
    activateWindow();
    callEdit_->setFocus();
}

bool StationSetupWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) showState();
    return QDialog::event(event);
}

void StationSetupWindow::showState() {
    const Settings& s = p_.context.settings;
    callState_->setText(
        callSignIsPlaceholder(s)
            ? "The call sign is still the placeholder " + QString(kPlaceholderCall) +
                  ". Until you set yours, the console sends no call, CQ, broadcast, "
                  "\"de\" line or CW ID."
            : "This station is " + qs(s.MYCALL) + ".");
    if (!portIsSet(s)) {
        portState_->setText("No serial port is set. Choose the modem's port from the list of "
                            "this computer's serial devices.");
        return;
    }
    // A Config/ports link is shown as the device it leads to.
    std::error_code ec;
    const auto name = resolvePortName(s.PortName, p_.baseDir);
    const auto device = name ? std::filesystem::weakly_canonical(*name, ec) : name;
    portState_->setText("The modem is on " + qs(s.PortName) +
                        (device && !ec ? " (" + qs(device->string()) + ")" : QString()) + ".");
}

void StationSetupWindow::takeCallSign() {
    const std::string call = callEdit_->text().trimmed().toUpper().toStdString();
    if (call.empty() || call == kPlaceholderCall) {
        p_.prompter.notice("Orvane", "Enter this station's own call sign, for example DL1ABC.",
                           PromptIcon::Exclamation);
        return;
    }
    takeOwnCall(p_.context, call);
    p_.saver.saveSettings();
    callEdit_->clear();
    showState();
}

void StationSetupWindow::choosePort() {
    const std::optional<int> chosen =
        p_.ports.pick("Choose the modem's port. The console opens it from its next start.");
    if (!chosen) return;
    Settings& s = p_.context.settings;
    const std::string port = portNameOf(*chosen);
    if (port == s.PortName) return;
    s.PortName = port;
    p_.context.configChanged.set();
    p_.saver.saveSettings();
    showState();
    p_.prompter.message("Information",
                        "Changes in COM Port will not take effect until program is restarted.",
                        PromptIcon::Information, PromptButtons::Ok);
}

} // namespace orvane

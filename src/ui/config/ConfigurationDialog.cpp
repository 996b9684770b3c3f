#include "ui/config/ConfigurationDialog.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "configure/CallSignList.h"
#include "configure/HereIsMessages.h"
#include "platform/ControlObjects.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane {

ConfigurationDialog::ConfigurationDialog(Settings& settings, ConfigChanged& configChanged,
                                         const std::filesystem::path& messageDir, QWidget* parent)
    : QDialog(parent), settings_(settings), configChanged_(configChanged), messageDir_(messageDir) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Zarvel Orvane Configuration"));
    folder_ = new QTabWidget(this);
    folder_->setObjectName(QStringLiteral("ConfigFolder"));
    folder_->addTab(buildGeneralPage(), QStringLiteral("General"));
    folder_->addTab(buildQuoralPage(), QStringLiteral("Quoral"));
    folder_->addTab(buildAmtorPage(), QStringLiteral("TOR"));
    folder_->addTab(buildPModePage(), QStringLiteral("P-Mode"));
    folder_->addTab(buildBaudotPage(), QStringLiteral("Baudot"));
    folder_->addTab(buildAsciiPage(), QStringLiteral("ASCII"));
    folder_->addTab(buildPsk31Page(), QStringLiteral("PSK31"));
    folder_->addTab(buildMessagesPage(), QStringLiteral("Messages"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_);
    buildButtons();
    connectEditing();
    bindings_.show();
}

void ConfigurationDialog::buildButtons() {
    auto* row = new QHBoxLayout;
    auto button = [this, row](const char* name, const char* caption, const char* hint) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromUtf8(hint));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    QPushButton* defaults = button(objectNameText(Control::DialogDefaults), "Defaults",
                                   "Restore factory default settings");
    row->addStretch(1);
    QPushButton* cancel =
        button(objectNameText(Control::DialogCancel), "Cancel", "Cancel any changes");
    QPushButton* apply =
        button(objectNameText(Control::DialogApply), "Apply", "Apply changes without saving");
    QPushButton* ok = button(objectNameText(Control::DialogOk), "OK", "Apply and save changes");
    apply->hide();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(defaults, &QPushButton::clicked, this, [this] { butDefaultsClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { cancelEdits(); });
    connect(ok, &QPushButton::clicked, this, [this] { acceptEdits(); });
    lock({defaults});
}

// Every change the operator makes marks the configuration changed.
void ConfigurationDialog::connectEditing() {
    auto changed = [this] { configChanged_.set(); };
    for (auto* b : findChildren<QRadioButton*>())
        connect(b, &QRadioButton::clicked, this, changed);
    for (auto* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::clicked, this, changed);
    for (auto* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, changed);
    for (auto* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::activated, this, changed);
    for (auto* s : findChildren<QSpinBox*>())
        connect(s, qOverload<int>(&QSpinBox::valueChanged), this, changed);
}

void ConfigurationDialog::lock(std::initializer_list<QWidget*> controls) {
    editLocked_.insert(editLocked_.end(), controls.begin(), controls.end());
}

void ConfigurationDialog::callSignField(QWidget* widget, std::string& value,
                                        std::string Settings::*field) {
    auto* edit = static_cast<QLineEdit*>(widget);
    bindings_.edit(edit, value);
    // The settings take a call sign as it is typed.
    connect(edit, &QLineEdit::textChanged, this, [this, edit, &value, field] {
        value = ss(edit->text());
        settings_.*field = value;
        configChanged_.set();
    });
}

void ConfigurationDialog::fill(const OpeningFacts& facts) {
    facts_ = facts;
    fillDialogValues(values_, settings_, facts);
    values_.messages.hereIs = loadHereIsMessage(messageDir_, "0");
    opening_ = values_;
    closing_ = Closing::Cancel;
    bindings_.show();
    setWindowTitle(QStringLiteral("Zarvel Orvane Configuration"));
    folder_->setTabVisible(folder_->indexOf(findControl<QWidget>(*this, Control::DialogPsk31Page)),
                           false);
    folder_->setCurrentWidget(findControl<QWidget>(*this, values_.activePage));
    showLocks();
}

void ConfigurationDialog::showLocks() {
    for (QWidget* control : editLocked_)
        control->setEnabled(!values_.editLocked);
    for (QWidget* edit : callSignEdits_)
        edit->setEnabled(values_.callSignsEnabled);
}

const ConfigDialogValues& ConfigurationDialog::takeValues() {
    bindings_.take();
    return values_;
}

void ConfigurationDialog::acceptEdits() {
    closing_ = Closing::Ok;
    bindings_.take();
    accept();
}

void ConfigurationDialog::cancelEdits() {
    reject();
}

// Cancel, Escape and the close box: the controls go back to what they showed
// at the opening, so the apply that follows takes none of the edits.
void ConfigurationDialog::reject() {
    if (closing_ != Closing::Defaults) {
        values_ = opening_;
        bindings_.show();
        // Call signs reached the settings as they were typed.
        bindings_.take();
        configChanged_.clear();
        closing_ = Closing::Cancel;
    }
    QDialog::reject();
}

void ConfigurationDialog::butDefaultsClick() {
    bindings_.take();
    showFactoryDefaults(values_, settings_, facts_);
    bindings_.show();
    configChanged_.set();
    closing_ = Closing::Defaults;
    reject();
}

void ConfigurationDialog::storeStationLists() {
    settings_.HISCALLLIST = joinCallList(values_.messages.hisCallItems);
    settings_.HISCALL476LIST = joinCallList(values_.messages.hisCall476Items);
    configChanged_.set();
}

void ConfigurationDialog::addStation() {
    bindings_.take();
    values_.messages.hisCallItems.push_back(values_.messages.hisCall);
    storeStationLists();
    bindings_.show();
}

void ConfigurationDialog::addStation476() {
    bindings_.take();
    values_.messages.hisCall476Items.push_back(values_.messages.hisCall476);
    storeStationLists();
    bindings_.show();
}

void ConfigurationDialog::removeStation() {
    auto* box = findControl<QComboBox>(*this, Control::DialogHisCallList);
    bindings_.take();
    MessageValues& m = values_.messages;
    const int selected = box->findText(box->currentText());
    if (selected >= 0) m.hisCallItems.erase(m.hisCallItems.begin() + selected);
    storeStationLists();
    bindings_.show();
    if (box->currentText().isEmpty() && !m.hisCallItems.empty()) {
        m.hisCall = m.hisCallItems.front();
        settings_.HISCALL = m.hisCall;
        bindings_.show();
    }
}

void ConfigurationDialog::removeStation476() {
    auto* box = findControl<QComboBox>(*this, Control::DialogHisCall476List);
    bindings_.take();
    MessageValues& m = values_.messages;
    const int selected = box->findText(box->currentText());
    if (selected >= 0) m.hisCall476Items.erase(m.hisCall476Items.begin() + selected);
    storeStationLists();
    m.hisCall476 = m.hisCall476Items.empty() ? std::string() : m.hisCall476Items.front();
    settings_.HISCALL476 = m.hisCall476;
    bindings_.show();
}

void ConfigurationDialog::stepMessageNumber(int step) {
    bindings_.take();
    MessageValues& m = values_.messages;
    m.hereIsNumber = hereIsNumberAfterStep(m.hereIsNumber, step);
    loadMessage();
}

void ConfigurationDialog::loadMessage() {
    MessageValues& m = values_.messages;
    m.hereIs = loadHereIsMessage(messageDir_, m.hereIsNumber);
    m.hereIsEdited = false;
    bindings_.show();
}

void ConfigurationDialog::showPrintSquelchOn(bool on) {
    const std::string word = on ? "ON" : "OFF";
    values_.settings.text(&Settings::PrintSquelchEnable) = word;
    opening_.settings.text(&Settings::PrintSquelchEnable) = word;
    bindings_.show();
}

void ConfigurationDialog::notePortChange() {
    values_.comPortChanged = true;
    configChanged_.set();
    showPortDevice();
}

void ConfigurationDialog::showPortDevice() {
    auto* box = findControl<QComboBox>(*this, Control::DialogPortList);
    portDevice_->setText(box->currentData(Qt::ToolTipRole).toString());
}

// A click on the dialog itself, outside every control, forgets a port change.
void ConfigurationDialog::mousePressEvent(QMouseEvent* event) {
    values_.comPortChanged = false;
    QDialog::mousePressEvent(event);
}

} // namespace orvane

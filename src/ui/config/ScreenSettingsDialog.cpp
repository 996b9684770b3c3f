#include "ui/config/ScreenSettingsDialog.h"

#include "config/Settings.h"
#include "configure/DisplaySettings.h"
#include "controls/ControlNames.h"
#include "ui/config/ControlBindings.h"
#include "ui/config/DisplayTarget.h"
#include "ui/config/PaneAppearance.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {
namespace {

QStringList colourNames() {
    QStringList names;
    for (std::string_view name : kColourListOrder)
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return names;
}

void setTextColour(QLabel* label, const QString& name) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colourFromName(ss(name)));
    label->setPalette(palette);
}

void setBackground(QWidget* preview, const QString& name) {
    QPalette palette = preview->palette();
    palette.setColor(QPalette::Window, colourFromName(ss(name)));
    preview->setPalette(palette);
    preview->setAutoFillBackground(true);
}

void setFontName(QLabel* label, const QString& name) {
    label->setFont(paneFont(name, label->font().pointSize()));
}

void setSize(QLabel* label, int size) {
    QFont font = label->font();
    font.setPointSize(size);
    label->setFont(font);
}

// The receive and transmit groups: font, size and three colour lists.
QGroupBox* paneGroup(QWidget* parent, const QString& title, QComboBox* font, QComboBox* size,
                     std::initializer_list<std::pair<QString, QComboBox*>> colours) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), box), 0, 0);
    grid->addWidget(font, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Size:"), box), 0, 2);
    grid->addWidget(size, 0, 3);
    int column = 0;
    for (const auto& [caption, list] : colours) {
        auto* l = new QLabel(caption, box);
        l->setBuddy(list);
        grid->addWidget(l, 1, column++);
        grid->addWidget(list, 1, column++);
    }
    return box;
}

QWidget* previewPanel(QWidget* parent, const char* name, QLabel* first, QLabel* second) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setMinimumHeight(48);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(first);
    layout->addWidget(second);
    return panel;
}

QLabel* previewLabel(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

ScreenSettingsDialog::ScreenSettingsDialog(Settings& settings, DisplayTarget& panes,
                                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      settings_(settings), panes_(panes) {
    setObjectName(QStringLiteral("FontForm"));
    setWindowTitle(QStringLiteral("Font Configuration"));
    receiveFont_ = fontList("ReceiveFont");
    receiveSize_ = sizeList(objectNameText(Control::ScreenReceiveTextSize));
    receiveText_ = colourList("ReceiveTextColor");
    echoText_ = colourList(objectNameText(Control::ScreenEchoTextColour));
    receiveBack_ = colourList(objectNameText(Control::ScreenReceiveColour));
    transmitFont_ = fontList("TransmitFont");
    transmitSize_ = sizeList(objectNameText(Control::ScreenTransmitTextSize));
    transmitText_ = colourList("TransmitTextColor");
    highLight_ = colourList("HighLightTextColor");
    transmitBack_ = colourList("TransmitColor");

    receiveLabel_ =
        previewLabel(this, objectNameText(Control::ScreenReceiveSample), "Receive Text");
    echoLabel_ = previewLabel(this, "EchoTextLabel", "Echo Text");
    transmitLabel_ =
        previewLabel(this, objectNameText(Control::ScreenTransmitSample), "Transmit Text");
    highLightLabel_ = previewLabel(this, "HighLightLabel", "HighLight Text");
    receivePreview_ = previewPanel(this, "ReceivePreview", receiveLabel_, echoLabel_);
    transmitPreview_ = previewPanel(this, "TransmitPreview", transmitLabel_, highLightLabel_);

    auto* preview = new QGroupBox(QStringLiteral("Preview"), this);
    auto* previewLayout = new QHBoxLayout(preview);
    previewLayout->addWidget(receivePreview_);
    previewLayout->addWidget(transmitPreview_);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* ok = button("OKBtn", "&OK");
    QPushButton* apply = button("ApplyBtn", "&Apply");
    QPushButton* cancel = button("Button1", "&Cancel");
    QPushButton* defaults = button("DefaultsBtn", "&Defaults");
    defaults->setEnabled(false);
    defaults->hide();
    connect(ok, &QPushButton::clicked, this, [this] { applyChoicesAndClose(); });
    connect(apply, &QPushButton::clicked, this, [this] { applyChoices(); });
    connect(cancel, &QPushButton::clicked, this, [this] { closeUnapplied(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paneGroup(
        this, QStringLiteral("Receive Buffer"), receiveFont_, receiveSize_,
        {{"Text:", receiveText_}, {"&Echo:", echoText_}, {"Back&ground:", receiveBack_}}));
    layout->addWidget(paneGroup(
        this, QStringLiteral("Transmit Buffer"), transmitFont_, transmitSize_,
        {{"Text:", transmitText_}, {"HighLight:", highLight_}, {"Back&ground:", transmitBack_}}));
    layout->addWidget(preview);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {ok, apply, cancel, defaults})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    // Each list redraws only its part of the preview.
    connect(receiveFont_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        setFontName(receiveLabel_, name);
        setFontName(echoLabel_, name);
    });
    connect(transmitFont_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        setFontName(transmitLabel_, name);
        setFontName(highLightLabel_, name);
    });
    connect(receiveSize_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (auto size = receivePreviewSize(ss(text))) {
            setSize(receiveLabel_, *size);
            setSize(echoLabel_, *size);
        }
    });
    connect(transmitSize_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (auto size = transmitPreviewSize(ss(text))) {
            setSize(transmitLabel_, *size);
            setSize(highLightLabel_, *size);
        }
    });
    connect(receiveText_, &QComboBox::currentTextChanged, this,
            [this](const QString& n) { setTextColour(receiveLabel_, n); });
    connect(echoText_, &QComboBox::currentTextChanged, this,
            [this](const QString& n) { setTextColour(echoLabel_, n); });
    connect(transmitText_, &QComboBox::currentTextChanged, this,
            [this](const QString& n) { setTextColour(transmitLabel_, n); });
    connect(highLight_, &QComboBox::currentTextChanged, this,
            [this](const QString& n) { setTextColour(highLightLabel_, n); });
    connect(receiveBack_, &QComboBox::currentTextChanged, this,
            [this](const QString& n) { setBackground(receivePreview_, n); });
    connect(transmitBack_, &QComboBox::currentTextChanged, this,
            [this](const QString& n) { setBackground(transmitPreview_, n); });
}

QComboBox* ScreenSettingsDialog::fontList(const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    families.sort(Qt::CaseInsensitive);
    box->addItems(families);
    return box;
}

QComboBox* ScreenSettingsDialog::sizeList(const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view size : kFontSizeList)
        box->addItem(QString::fromLatin1(size.data(), static_cast<qsizetype>(size.size())));
    // Sizes are typed as digits only.
    box->lineEdit()->setValidator(new QIntValidator(0, kLargestFontSize, box));
    return box;
}

QComboBox* ScreenSettingsDialog::colourList(const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(colourNames());
    return box;
}

void ScreenSettingsDialog::showEvent(QShowEvent* event) {
    loadFromSettings();
    QDialog::showEvent(event);
}

// Every showing starts from the settings: choices not applied earlier are gone.
void ScreenSettingsDialog::loadFromSettings() {
    const Settings& s = settings_;
    const std::pair<QComboBox*, std::string> texts[] = {
        {receiveFont_, s.ReceiveFont},
        {transmitFont_, s.TransmitFont},
        {receiveBack_, s.ReceiveColor},
        {transmitBack_, s.TransmitColor},
        {echoText_, s.EchoTextColor},
        {receiveText_, s.ReceiveTextColor},
        {transmitText_, s.TransmitTextColor},
        {highLight_, s.HighLightTextColor},
        {receiveSize_, std::to_string(s.ReceiveTextSize)},
        {transmitSize_, std::to_string(s.TransmitTextSize)}};
    for (const auto& [box, text] : texts) {
        const QSignalBlocker block(box);
        box->setCurrentText(qs(text));
    }
    drawPreviews();
}

void ScreenSettingsDialog::drawPreviews() {
    setBackground(receivePreview_, receiveBack_->currentText());
    setBackground(transmitPreview_, transmitBack_->currentText());
    const int receiveSize =
        appliedSize(ss(receiveSize_->currentText())).value_or(settings_.ReceiveTextSize);
    const int transmitSize =
        appliedSize(ss(transmitSize_->currentText())).value_or(settings_.TransmitTextSize);
    for (QLabel* l : {receiveLabel_, echoLabel_})
        l->setFont(paneFont(receiveFont_->currentText(), receiveSize));
    for (QLabel* l : {transmitLabel_, highLightLabel_})
        l->setFont(paneFont(transmitFont_->currentText(), transmitSize));
    setTextColour(receiveLabel_, receiveText_->currentText());
    setTextColour(echoLabel_, echoText_->currentText());
    setTextColour(transmitLabel_, transmitText_->currentText());
    setTextColour(highLightLabel_, highLight_->currentText());
}

// The lists into the settings and onto the panes. A size that is not a
// number keeps the size the pane has.
void ScreenSettingsDialog::applyChoices() {
    Settings& s = settings_;
    s.ReceiveFont = ss(receiveFont_->currentText());
    s.ReceiveTextColor = ss(receiveText_->currentText());
    s.ReceiveTextSize = appliedSize(ss(receiveSize_->currentText())).value_or(s.ReceiveTextSize);
    s.EchoTextColor = ss(echoText_->currentText());
    s.ReceiveColor = ss(receiveBack_->currentText());
    s.TransmitFont = ss(transmitFont_->currentText());
    s.TransmitTextColor = ss(transmitText_->currentText());
    s.TransmitTextSize = appliedSize(ss(transmitSize_->currentText())).value_or(s.TransmitTextSize);
    s.HighLightTextColor = ss(highLight_->currentText());
    s.TransmitColor = ss(transmitBack_->currentText());
    panes_.applyDisplaySettings();
}

void ScreenSettingsDialog::applyChoicesAndClose() {
    applyChoices();
    hide();
}

void ScreenSettingsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace orvane

// The Messages page: own call signs, the station lists and the message editor.
#include "ui/config/ConfigurationDialog.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"

#include "platform/ControlObjects.h"
#include "ui/config/DialogWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace orvane {

QWidget* ConfigurationDialog::buildMessagesPage() {
    QWidget* page = newPage(Control::DialogMessagesPage);
    MessageValues& v = values_.messages;
    QLineEdit* myCall =
        callSignEdit(page, objectNameText(Control::DialogMyCall), kCallSignCapacity);
    QLineEdit* myCall476 = callSignEdit(page, "edMyCall476", kSelectiveCallCapacity);
    QLineEdit* myCall625 = callSignEdit(page, "edMyCall625", kSelectiveCallCapacity);
    QLineEdit* groupCall =
        callSignEdit(page, objectNameText(Control::DialogGroupCall), kSelectiveCallCapacity);
    callSignField(myCall, v.myCall, &Settings::MYCALL);
    callSignField(myCall476, v.myCall476, &Settings::MYCALL476);
    callSignField(myCall625, v.myCall625, &Settings::MYCALL625);
    callSignField(groupCall, v.groupCall, &Settings::GROUPCALL);
    QGroupBox* calls = groupOf(page, "CallSignsBox", "Call Signs",
                               {{"MyCall", myCall},
                                {"MyCall 476", myCall476},
                                {"MyCall 625", myCall625},
                                {"Group Call", groupCall}});

    auto stationList = [&](const char* name, std::size_t capacity, std::vector<std::string>& items,
                           std::string& text) {
        auto* box = new QComboBox(page);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setValidator(callSignValidator(capacity, box));
        bindings_.list(box, text, &items);
        return box;
    };
    QComboBox* hisCalls = stationList(objectNameText(Control::DialogHisCallList), kCallSignCapacity,
                                      v.hisCallItems, v.hisCall);
    QComboBox* hisCalls476 = stationList(objectNameText(Control::DialogHisCall476List),
                                         kSelectiveCallCapacity, v.hisCall476Items, v.hisCall476);
    auto button = [page](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), page);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* add = button("Button4", "&Add");
    QPushButton* remove = button("Button5", "&Delete");
    QPushButton* add476 = button("Button6", "&Add");
    QPushButton* remove476 = button("Button7", "&Delete");
    connect(add, &QPushButton::clicked, this, [this] { addStation(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeStation(); });
    connect(add476, &QPushButton::clicked, this, [this] { addStation476(); });
    connect(remove476, &QPushButton::clicked, this, [this] { removeStation476(); });
    auto listBox = [page](const char* name, const QString& title, QComboBox* box, QPushButton* a,
                          QPushButton* d) {
        auto* group = new QGroupBox(title, page);
        group->setObjectName(QString::fromLatin1(name));
        auto* layout = new QHBoxLayout(group);
        layout->addWidget(box, 1);
        layout->addWidget(a);
        layout->addWidget(d);
        return group;
    };
    QGroupBox* list = listBox("HisCallListBox", "HisCall List", hisCalls, add, remove);
    QGroupBox* list476 =
        listBox("HisCall476ListBox", "HisCall 476 List", hisCalls476, add476, remove476);

    hereIs_ = new QPlainTextEdit(page);
    hereIs_->setObjectName(QStringLiteral("edHereIs"));
    hereIs_->setTabChangesFocus(false);
    hereIs_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bindings_.custom(
        [this] {
            const QSignalBlocker block(hereIs_);
            if (ss(hereIs_->toPlainText()) != values_.messages.hereIs)
                hereIs_->setPlainText(qs(values_.messages.hereIs));
        },
        [this] { values_.messages.hereIs = ss(hereIs_->toPlainText()); });
    connect(hereIs_, &QPlainTextEdit::textChanged, this, [this] {
        values_.messages.hereIsEdited = true;
        configChanged_.set();
    });
    auto* number = new QLineEdit(page);
    nameControl(*number, Control::DialogHereIsNumber);
    number->setReadOnly(true);
    number->setMaximumWidth(48);
    bindings_.custom([this, number] { number->setText(qs(values_.messages.hereIsNumber)); }, [] {});
    auto* upDown = new QWidget(page);
    upDown->setObjectName(QStringLiteral("UpDown1"));
    auto* arrows = new QVBoxLayout(upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (auto [name, arrow, step] :
         {std::tuple{"UpDown1Up", Qt::UpArrow, 1}, std::tuple{"UpDown1Down", Qt::DownArrow, -1}}) {
        auto* b = new QToolButton(upDown);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(arrow);
        b->setFixedHeight(12);
        arrows->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, s = step] { stepMessageNumber(s); });
    }
    auto* messages = new QGroupBox(QStringLiteral("Here Is Messages"), page);
    messages->setObjectName(QStringLiteral("HereIsBox"));
    auto* messageLayout = new QGridLayout(messages);
    messageLayout->addWidget(hereIs_, 0, 0, 1, 3);
    messageLayout->addWidget(label(messages, nullptr, "Select Here Is message #"), 1, 0);
    messageLayout->addWidget(number, 1, 1);
    messageLayout->addWidget(upDown, 1, 2, Qt::AlignLeft);

    place(page, calls, 0, 0);
    place(page, list, 1, 0);
    place(page, list476, 2, 0);
    place(page, messages, 0, 1, 3, 1);
    callSignEdits_ = {myCall, myCall476, myCall625, groupCall};
    return page;
}

} // namespace orvane

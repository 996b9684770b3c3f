#pragma once

#include <QFrame>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace orvane {

// HereIsPanel on the main window: the message number with its up-down
// control, the message text to edit, Send and Cancel.
class HereIsPanel : public QFrame {
    Q_OBJECT
public:
    explicit HereIsPanel(QWidget* parent);

    QSpinBox* HereIsSelector; // edHereIsNumber is its edit field
    QPlainTextEdit* edHereIs;
    QPushButton* Button4;
    QPushButton* Button5;

    int number() const;
    // Message 10 shows as "WRU".
    void showNumber(int number);
};

} // namespace orvane

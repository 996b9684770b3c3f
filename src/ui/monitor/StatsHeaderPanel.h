#pragma once

#include <QFrame>

#include <functional>
#include <string>

class QLineEdit;

namespace orvane {

// StatsBox, the panel on the main window that asks for the statistics file's
// header: frequency, name and anything else. Enter means OK, Escape Cancel.
class StatsHeaderPanel final : public QFrame {
    Q_OBJECT
public:
    using Accept = std::function<void(const std::string& frequency, const std::string& name,
                                      const std::string& other)>;

    StatsHeaderPanel(QWidget* mainWindow, Accept onOk, std::function<void()> onCancel);

private:
    void ok();

    QLineEdit* frequency_;
    QLineEdit* name_;
    QLineEdit* other_;
    Accept onOk_;
    std::function<void()> onCancel_;
};

} // namespace orvane

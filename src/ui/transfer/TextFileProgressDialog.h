#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QProgressBar;

namespace orvane {

// The small stay-on-top window that follows a text
// file send. Closing it changes nothing else; the send goes on unseen.
class TextFileProgressDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TextFileProgressDialog(QWidget* parent);

    void showFile(const QString& nameLine, const QString& sizeLine, std::int64_t size,
                  std::int64_t position);
    void setGauge(std::int64_t position);
    void dismiss() { hide(); }

private:
    QLabel* name_;
    QLabel* size_;
    QProgressBar* gauge_;
};

} // namespace orvane

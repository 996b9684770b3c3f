#pragma once

#include <QProxyStyle>

namespace orvane {

// The platform's style, with the console's quick tool tips (250 ms).
class ConsoleStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 250;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace orvane

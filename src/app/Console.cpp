#include "app/Console.h"

#include "ui/main/MainWindow.h"

namespace orvane {

Console::Console(ConsoleServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)), windows_(services_, state_),
      session_(services_, state_, {windows_, windows_.surface(), windows_.monitors(), windows_},
               *this),
      operations_(services_, state_, session_, windows_) {
    session_.attach(operations_);
    windows_.mainWindow().setCloseHandler([this] { return session_.requestClose(); });
}

Console::~Console() = default;

} // namespace orvane

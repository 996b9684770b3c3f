#include "app/PortPumpLine.h"

#include "app/PortSession.h"
#include "serial/SerialPort.h"
#include "serial/TransmitThread.h"

namespace orvane {

std::size_t PortPumpLine::pending() {
    TransmitThread* queue = port_.transmitQueue();
    return queue ? queue->length() : 0;
}

void PortPumpLine::setWriteLimit(std::size_t bytes) {
    if (TransmitThread* queue = port_.transmitQueue()) queue->setChunkSize(bytes);
}

void PortPumpLine::sendText(std::string_view bytes) {
    port_.sendText({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

void PortPumpLine::sendCommand(const ModemCommand& command) { port_.send(command); }

void PortPumpLine::sendImmediate(std::string_view bytes) {
    SerialPort* serial = port_.port();
    if (!serial) return;
    for (const char c : bytes) serial->sendImmediate(static_cast<std::uint8_t>(c));
}

void PortPumpLine::clearQueue() {
    if (TransmitThread* queue = port_.transmitQueue()) queue->clear();
}

void PortPumpLine::appendRaw(std::string_view bytes) {
    if (TransmitThread* queue = port_.transmitQueue()) queue->append(bytes);
}

bool PortPumpLine::outputHeld() {
    SerialPort* serial = port_.port();
    return serial && !serial->ctsOn();
}

} // namespace orvane

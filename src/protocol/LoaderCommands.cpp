#include "protocol/LoaderCommands.h"

#include "protocol/CommandBuilders.h"
#include "protocol/CommandCode.h"

namespace orvane {
namespace {

ModemCommand loaderWrite(ModemCommand::Bytes bytes) {
    return {std::move(bytes), SendKind::LoaderWrite};
}

ModemCommand loaderWrite(const ModemCommand& normal) {
    return loaderWrite(normal.bytes());
}

} // namespace

ModemCommand loaderFskPrep() {
    return loaderWrite(command(CommandCode::MODE_FSK_PREP));
}

ModemCommand loaderLoadStart() {
    return command(CommandCode::FW_LOAD_START, {7});
}

ModemCommand loaderErase() {
    return loaderWrite({CommandEscape, codeByte(CommandCode::FW_ERASE)});
}

ModemCommand loaderImageType(bool lodImage) {
    return loaderWrite({CommandEscape, static_cast<std::uint8_t>(lodImage ? 0 : 1)});
}

ModemCommand loaderShutdown() {
    return loaderWrite(command(CommandCode::HOST_SHUTDOWN));
}

} // namespace orvane

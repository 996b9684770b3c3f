#pragma once

#include "protocol/ModemCommand.h"

namespace orvane {

// What the firmware loader writes straight to the port (SendKind::LoaderWrite),
// each piece on its own because the loader waits for the modem's answer in
// between.

// MODE_FSK_PREP, answered by 0x84.
ModemCommand loaderFskPrep();
// FW_LOAD_START with its fixed 7, answered by 0x6A.
ModemCommand loaderLoadStart();
// FW_ERASE without its parameter, answered by 0x0F.
ModemCommand loaderErase();
// FW_ERASE's parameter, the image type: 0 for a ".lod" image, 1 otherwise.
// Answered by the type itself, or 0x02 when erasing failed.
ModemCommand loaderImageType(bool lodImage);
// HOST_SHUTDOWN, unanswered.
ModemCommand loaderShutdown();

} // namespace orvane

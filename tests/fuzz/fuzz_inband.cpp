// libFuzzer target: the other console's in-band sequences (file headers,
// ready replies with their offsets, the transfer codes) and the file data
// between them, through the in-band parser into both sides of a binary
// transfer. Bytes go through the receive decoder first, so status items
// (0x80 X) land inside sequences as they can on the line. The first byte
// sets the scene: bit 0, we are sending a file and await its ready reply;
// bit 1, a partial file from an earlier transfer waits in In/ for a resume.
//
// Whatever arrives, the receiver only ever creates, extends or moves files
// inside In/, and the file that was already there stays as it was.
#include "MemoryTransferFiles.h"
#include "serial/RxDecoder.h"
#include "transfer/TransferStation.h"

using namespace orvane;
using namespace orvane::testing;

namespace {
const MemoryTransferFiles::Data kKept{'o', 'l', 'd'};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t scene = data[0];
    MemoryTransferFiles files;
    Station station("fuzz", &files);
    const auto in = station.dir / "In";
    files.files[in / "keep.txt"] = std::make_shared<MemoryTransferFiles::Data>(kKept);
    if (scene & 2)
        files.files[in / "data.__$"] = std::make_shared<MemoryTransferFiles::Data>(100, 0x55);
    if (scene & 1) {
        files.files[station.dir / "data.bin"] =
            std::make_shared<MemoryTransferFiles::Data>(300, 0xAA);
        station.transfer.sendFiles({station.dir / "data.bin"});
    }

    XonXoffFilter filter;
    RxDecoder decoder(filter);
    for (std::size_t i = 1; i < size; ++i) {
        if (const auto item = decoder.decode(data[i])) station.receive(*item);
        if (station.transfer.dataPhaseActive()) station.transfer.pumpPass();
        station.line.take();
    }

    for (const auto& path : files.written)
        if (path.parent_path() != in) __builtin_trap();
    if (!files.exists(in / "keep.txt") || *files.files[in / "keep.txt"] != kKept) __builtin_trap();
    return 0;
}

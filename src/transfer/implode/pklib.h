// The implode/explode codec: the PKWARE Data Compression Library
// "implode" format, with the library's classic calling convention.
//
// Everything goes through the caller: input through the read function, output
// through the write function, all working state in a caller-allocated work
// area. The codec allocates nothing and keeps no global state.
#pragma once

#include <cstddef>

namespace orvane::pklib {

// Read function: place up to *size bytes in buf and return how many; 0 means
// the input is exhausted.
using ReadFunction = unsigned int (*)(char* buf, unsigned int* size, void* param);
// Write function: take all *size bytes of buf.
using WriteFunction = void (*)(char* buf, unsigned int* size, void* param);

inline constexpr std::size_t kImplodeWorkSize = 36312;
inline constexpr std::size_t kExplodeWorkSize = 12596;

// Literal coding (header byte 0).
inline constexpr unsigned int kBinary = 0;
inline constexpr unsigned int kAscii = 1;

// Result codes.
inline constexpr unsigned int kOk = 0;
inline constexpr unsigned int kInvalidDictSize = 1;
inline constexpr unsigned int kInvalidMode = 2;
inline constexpr unsigned int kBadData = 3;
inline constexpr unsigned int kAborted = 4;

// Compresses everything read_buf delivers. `type` is the literal coding
// (kBinary or kAscii), `dsize` the dictionary size (1024, 2048 or 4096).
// `work` must hold kImplodeWorkSize bytes; it needs no particular alignment.
unsigned int Implode(ReadFunction read_buf, WriteFunction write_buf, char* work, void* param,
                     unsigned int* type, unsigned int* dsize);

// Expands one compressed stream. `work` must hold kExplodeWorkSize bytes.
unsigned int Explode(ReadFunction read_buf, WriteFunction write_buf, char* work, void* param);

// Short English text for a result code, for tools and logs.
const char* ResultText(unsigned int result);

} // namespace orvane::pklib

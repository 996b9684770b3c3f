// The codec's test corpus, generated at run time (nothing big is committed):
// edge sizes, runs, text, source code, an executable, random bytes, data
// around the 4096-byte block boundaries and a few megabytes of mixed data.
// Shared by the codec tests and bench/codec.
#pragma once

#include "transfer/implode/pklib.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace orvane::pklib::testing {

using Bytes = std::vector<std::uint8_t>;

struct CorpusItem {
    std::string name;
    Bytes data;
};

inline Bytes ReadFileBytes(const std::string& path, std::size_t max = SIZE_MAX) {
    std::ifstream in(path, std::ios::binary);
    Bytes data;
    char c;
    while (data.size() < max && in.get(c))
        data.push_back(static_cast<std::uint8_t>(c));
    return data;
}

// English-like text: words from a small vocabulary, sentences and lines.
inline Bytes MakeText(std::size_t size, std::uint32_t seed) {
    static const char* const kWords[] = {
        "the",    "modem",  "station", "link",  "over",   "quoral",   "file",    "transfer",
        "signal", "and",    "of",      "to",    "a",      "in",       "is",      "frequency",
        "call",   "with",   "band",    "noise", "report", "operator", "antenna", "received",
        "sent",   "window", "which",   "that",  "for",    "on",       "by",      "compressed"};
    std::mt19937 rng(seed);
    std::string s;
    std::size_t line = 0;
    bool capital = true;
    while (s.size() < size) {
        std::string w = kWords[rng() % std::size(kWords)];
        if (capital) w[0] = static_cast<char>(w[0] - 'a' + 'A');
        capital = false;
        s += w;
        line += w.size();
        const unsigned r = rng() % 16;
        if (r == 0) {
            s += ". ";
            capital = true;
        } else if (r == 1) {
            s += ", ";
        } else {
            s += ' ';
        }
        if (line > 60 + rng() % 12) {
            s += "\r\n";
            line = 0;
        }
    }
    s.resize(size);
    return Bytes(s.begin(), s.end());
}

// C-like source text with indentation, identifiers and numbers.
inline Bytes MakeSource(std::size_t size, std::uint32_t seed) {
    static const char* const kTypes[] = {"int", "unsigned", "char*", "bool", "double", "size_t"};
    static const char* const kNames[] = {"count",  "buffer", "index", "length", "offset", "state",
                                         "result", "queue",  "item",  "status", "mode",   "flags"};
    std::mt19937 rng(seed);
    std::string s;
    int fn = 0;
    while (s.size() < size) {
        s += "static " + std::string(kTypes[rng() % 6]) + " Function" + std::to_string(fn++) + "(" +
             kTypes[rng() % 6] + " " + kNames[rng() % 12] + ")\n{\n";
        const int lines = 3 + static_cast<int>(rng() % 12);
        for (int l = 0; l < lines; ++l) {
            const std::string a = kNames[rng() % 12], b = kNames[rng() % 12];
            switch (rng() % 4) {
            case 0:
                s += "    " + a + " = " + b + " + " + std::to_string(rng() % 1000) + ";\n";
                break;
            case 1: s += "    if (" + a + " < " + b + ")\n        " + a + "++;\n"; break;
            case 2:
                s += "    for (int i = 0; i < " + a + "; ++i)\n        " + b + "[i] = 0;\n";
                break;
            default: s += "    /* " + a + " follows " + b + " */\n";
            }
        }
        s += "    return " + std::string(kNames[rng() % 12]) + ";\n}\n\n";
    }
    s.resize(size);
    return Bytes(s.begin(), s.end());
}

inline Bytes MakeRandom(std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes b(size);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(rng());
    return b;
}

// Binary records: little-endian counters, small values, zero padding.
inline Bytes MakeRecords(std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes b;
    std::uint32_t counter = 0;
    while (b.size() < size) {
        counter += 1 + rng() % 3;
        for (int k = 0; k < 4; ++k)
            b.push_back(static_cast<std::uint8_t>(counter >> (8 * k)));
        b.push_back(static_cast<std::uint8_t>(rng() % 8));
        b.push_back(0);
        b.push_back(static_cast<std::uint8_t>(rng() % 2 ? 0xff : 0));
        b.push_back(0);
    }
    b.resize(size);
    return b;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Our own sources, when the tree is there (the path comes from the build).
inline Bytes ProjectSources(const std::string& dir) {
    Bytes all;
    for (const char* f : {"implode.cpp", "explode.cpp", "tables.h", "pklib.h", "work_area.h"}) {
        Bytes b = ReadFileBytes(dir + "/" + f);
        all.insert(all.end(), b.begin(), b.end());
    }
    return all;
}

// `large` adds the few megabytes of mixed data (left out where time is short).
inline std::vector<CorpusItem> MakeCorpus(const std::string& source_dir, bool large = true) {
    std::vector<CorpusItem> c;
    c.push_back({"empty", {}});
    c.push_back({"1 byte", {'A'}});
    c.push_back({"2 bytes", {'A', 'B'}});
    c.push_back({"2 equal bytes", {0, 0}});
    c.push_back({"3 bytes", {'a', 'b', 'c'}});
    c.push_back({"3 equal bytes", {'x', 'x', 'x'}});
    c.push_back({"run 517", Bytes(517, 'A')});
    c.push_back({"run 600", Bytes(600, 'A')});
    c.push_back({"run 10000 zeros", Bytes(10000, 0)});
    c.push_back({"two runs", Concat({Bytes(5000, 0x55), Bytes(3, 1), Bytes(7000, 0xaa)})});
    c.push_back({"text", MakeText(200000, 1)});
    c.push_back({"source (generated)", MakeSource(150000, 2)});
    const Bytes own = ProjectSources(source_dir);
    if (!own.empty()) c.push_back({"source (codec's own)", own});
    // The running program itself: a real executable (capped to keep it quick).
    Bytes exe = ReadFileBytes("/proc/self/exe", 600000);
    if (!exe.empty()) c.push_back({"executable", std::move(exe)});
    c.push_back({"random", MakeRandom(100000, 3)});
    c.push_back({"records", MakeRecords(60000, 4)});
    for (std::size_t n :
         {3579u, 3580u, 3581u, 4095u, 4096u, 4097u, 8191u, 8192u, 8193u, 12287u, 12288u, 12289u}) {
        c.push_back({"text " + std::to_string(n), MakeText(n, static_cast<std::uint32_t>(n))});
        c.push_back(
            {"records " + std::to_string(n), MakeRecords(n, static_cast<std::uint32_t>(n) + 7)});
    }
    // Zeros at the end of the last block, where matches run past the input.
    for (std::size_t n : {3700u, 4000u, 4090u, 8000u}) {
        Bytes b = MakeRecords(n, static_cast<std::uint32_t>(n));
        for (std::size_t i = n - 300; i < n; ++i)
            b[i] = 0;
        c.push_back({"zero tail " + std::to_string(n), std::move(b)});
    }
    if (large) {
        Bytes mixed;
        std::mt19937 rng(5);
        while (mixed.size() < 3000000) {
            const auto n = static_cast<std::size_t>(1000 + rng() % 60000);
            const auto seed = static_cast<std::uint32_t>(rng());
            Bytes part;
            switch (rng() % 5) {
            case 0: part = MakeText(n, seed); break;
            case 1: part = MakeSource(n, seed); break;
            case 2: part = MakeRandom(n / 4, seed); break;
            case 3: part = MakeRecords(n, seed); break;
            default: part = Bytes(n / 8, static_cast<std::uint8_t>(seed));
            }
            mixed.insert(mixed.end(), part.begin(), part.end());
        }
        c.push_back({"mixed 3 MB", std::move(mixed)});
    }
    return c;
}

// The six parameter sets every corpus test runs through.
struct Params {
    unsigned type;
    unsigned dsize;
};
inline constexpr Params kAllParams[] = {{kBinary, 1024}, {kBinary, 2048}, {kBinary, 4096},
                                        {kAscii, 1024},  {kAscii, 2048},  {kAscii, 4096}};

inline std::string Describe(const std::string& name, Params p) {
    return name + (p.type == kAscii ? " ascii " : " binary ") + std::to_string(p.dsize);
}

#ifdef ORVANE_CODEC_SOURCE_DIR
// Made once per test program.
inline const std::vector<CorpusItem>& Corpus() {
    static const std::vector<CorpusItem> corpus = MakeCorpus(ORVANE_CODEC_SOURCE_DIR);
    return corpus;
}
#endif

} // namespace orvane::pklib::testing

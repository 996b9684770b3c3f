#include "options.h"

#include <string_view>

namespace modara_sim {

namespace {

bool isIdentityOption(std::string_view name) {
    return name == "product-id" || name == "boot" || name == "lod" || name == "s28" ||
           name == "hardware" || name == "selftest" || name == "silent";
}

} // namespace

std::string usage() {
    return "usage: modara-sim --link PATH [--log FILE] [--raw FILE] [--script FILE]\n"
           "                  [--control FIFO] [--product-id HHHH] [--boot XX:YY]\n"
           "                  [--lod XX:YY] [--s28 XX:YY] [--hardware HHHH] [--selftest N]\n"
           "                  [--silent LIST] [--fail-call SIGN]... [--no-stray-flow]\n"
           "                  [--echo-data] [--flow-always] [--call-delay MS]\n"
           "                  [--fw-erase-fail] [--fw-result HH] [--fw-stall STEP[:MS]]\n"
           "                  [--replay TRACE] [--air SOCKET] [--line-rate BITS]\n";
}

ParsedOptions parseOptions(int argc, const char* const* argv) {
    Options options;
    auto fail = [](std::string error) { return ParsedOptions{std::nullopt, std::move(error)}; };
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return {std::nullopt, {}, true};
        if (arg.substr(0, 2) != "--") return fail("unexpected argument " + std::string(arg));
        std::string name(arg.substr(2));
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        // Flags without a value.
        if (name == "no-stray-flow" || name == "echo-data" || name == "flow-always" ||
            name == "fw-erase-fail") {
            if (inlineValue) return fail("--" + name + " takes no value");
            if (name == "no-stray-flow") options.modem.strayFlowBytes = false;
            if (name == "echo-data") options.modem.identity.echoAsData = true;
            if (name == "flow-always") options.modem.flowAlways = true;
            if (name == "fw-erase-fail") options.modem.firmwareEraseFails = true;
            continue;
        }
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return fail("--" + name + " needs a value");
        }

        if (name == "link") {
            options.link = value;
        } else if (name == "log") {
            options.log = value;
        } else if (name == "raw") {
            options.raw = value;
        } else if (name == "script") {
            options.script = value;
        } else if (name == "control") {
            options.control = value;
        } else if (name == "air") {
            options.air = value;
        } else if (name == "line-rate") {
            auto rate = parseDecimal(value);
            if (!rate || *rate < 10) return fail("--line-rate: expected bits per second");
            options.lineRate = *rate;
        } else if (name == "replay") {
            options.replay = value;
        } else if (name == "fail-call") {
            options.modem.failCalls.push_back(value);
        } else if (name == "call-delay") {
            auto ms = parseDecimal(value);
            if (!ms || *ms < 0) return fail("--call-delay: expected milliseconds");
            options.modem.callDelay = *ms;
        } else if (name == "fw-result") {
            auto result = parseHexByte(value);
            if (!result) return fail("--fw-result: expected a hex byte");
            options.modem.firmwareResult = *result;
        } else if (name == "fw-stall") {
            auto stall = parseLoaderStall(value);
            if (!stall)
                return fail("--fw-stall: expected prep, start, erase, type or result, with :MS for "
                            "a late answer");
            options.modem.firmwareStall = stall;
        } else if (isIdentityOption(name)) {
            std::string error = setIdentity(options.modem.identity, name, value);
            if (!error.empty()) return fail("--" + name + ": " + error);
        } else {
            return fail("unknown option --" + name);
        }
    }
    if (options.link.empty()) return fail("--link PATH is required");
    return {options, {}};
}

} // namespace modara_sim

#include "script_parser.h"

#include "link_play.h"
#include "status_table.h"

#include <vector>

namespace modara_sim {

namespace {

struct Token {
    std::string text; // quoted tokens: with their escapes resolved
    bool quoted = false;
};

// Splits at blanks; quoted texts are one token; '#' outside quotes ends the line.
std::optional<std::vector<Token>> tokenize(std::string_view line, std::string& error) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::size_t end = i + 1;
            while (end < line.size() && line[end] != '"')
                end += line[end] == '\\' ? 2 : 1;
            if (end >= line.size()) {
                error = "unterminated text";
                return std::nullopt;
            }
            auto text = unescapeText(line.substr(i + 1, end - i - 1));
            if (!text) {
                error = "bad escape in text";
                return std::nullopt;
            }
            tokens.push_back({std::string(text->begin(), text->end()), true});
            i = end + 1;
        } else {
            std::size_t end = line.find_first_of(" \t\r\n\"#", i);
            if (end == std::string_view::npos) end = line.size();
            tokens.push_back({std::string(line.substr(i, end - i)), false});
            i = end;
        }
    }
    return tokens;
}

std::optional<Bytes> byteList(const std::vector<Token>& tokens, std::size_t from,
                              std::string& error) {
    Bytes bytes;
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].quoted) {
            bytes.insert(bytes.end(), tokens[i].text.begin(), tokens[i].text.end());
            continue;
        }
        auto b = parseHexByte(tokens[i].text);
        if (!b) {
            error = "not a hex byte: " + tokens[i].text;
            return std::nullopt;
        }
        bytes.push_back(*b);
    }
    return bytes;
}

std::optional<Millis> millis(const Token& token, long minimum) {
    auto value = token.quoted ? std::nullopt : parseDecimal(token.text);
    if (!value || *value < minimum) return std::nullopt;
    return *value;
}

ParsedLine fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

ParsedLine withBytes(ScriptCommand::Kind kind, const std::vector<Token>& tokens, std::size_t from,
                     bool needBytes) {
    std::string error;
    auto bytes = byteList(tokens, from, error);
    if (!bytes) return fail(error);
    if (needBytes && bytes->empty()) return fail("no bytes given");
    ScriptCommand command;
    command.kind = kind;
    command.bytes = std::move(*bytes);
    return {command, {}};
}

ParsedLine parseStatus(const std::vector<Token>& tokens) {
    if (tokens.size() < 2 || tokens[1].quoted) return fail("status needs a code");
    std::optional<std::uint8_t> code;
    if (const StatusInfo* info = findStatus(tokens[1].text))
        code = info->code;
    else
        code = parseHexByte(tokens[1].text);
    if (!code) return fail("unknown status: " + tokens[1].text);
    ParsedLine parsed = withBytes(ScriptCommand::Kind::Status, tokens, 2, false);
    if (parsed.command) parsed.command->code = *code;
    return parsed;
}

// "event ISS": STATE_EVENT with the value of the name, or of a decimal number.
ParsedLine parseEvent(const std::vector<Token>& tokens) {
    if (tokens.size() != 2 || tokens[1].quoted) return fail("event takes one name");
    std::optional<long> value;
    if (const StateEventInfo* info = findStateEvent(tokens[1].text))
        value = info->value;
    else
        value = parseDecimal(tokens[1].text);
    if (!value || *value < 0 || *value > 255) return fail("unknown state event: " + tokens[1].text);
    ScriptCommand command;
    command.kind = ScriptCommand::Kind::Status;
    command.code = status::StateEvent;
    command.bytes = {static_cast<std::uint8_t>(*value)};
    return {command, {}};
}

// "stats on MS", "stats off", "cq on MS [SIGN]", "cq off"
ParsedLine parseSwitch(const std::vector<Token>& tokens, ScriptCommand::Kind on,
                       ScriptCommand::Kind off, bool takesSign) {
    ScriptCommand command;
    if (tokens.size() == 2 && tokens[1].text == "off") {
        command.kind = off;
        return {command, {}};
    }
    const std::size_t most = takesSign ? 4 : 3;
    if (tokens.size() < 3 || tokens.size() > most || tokens[1].text != "on")
        return fail(tokens[0].text + " takes 'on MS' or 'off'");
    auto interval = millis(tokens[2], 1);
    if (!interval) return fail("the interval must be a whole number of milliseconds above 0");
    command.kind = on;
    command.millis = *interval;
    if (takesSign) command.word = tokens.size() == 4 ? tokens[3].text : LinkPlay::kDefaultCqSign;
    return {command, {}};
}

// "fax send|receive SIGN BYTES STEPS MS ok|fail"
ParsedLine parseFax(const std::vector<Token>& tokens) {
    const char* usage = "fax takes send|receive SIGN BYTES STEPS MS ok|fail";
    if (tokens.size() != 7) return fail(usage);
    const std::string& way = tokens[1].text;
    const std::string& outcome = tokens[6].text;
    const auto total = millis(tokens[3], 2);
    const auto steps = millis(tokens[4], 1);
    const auto interval = millis(tokens[5], 0);
    if ((way != "send" && way != "receive") || (outcome != "ok" && outcome != "fail") || !total ||
        *total > 0xFFFFFFFF || !steps || !interval)
        return fail(usage);
    ScriptCommand command;
    command.kind = ScriptCommand::Kind::Fax;
    command.fax = {
        way == "send", tokens[2].text, static_cast<std::uint32_t>(*total), static_cast<int>(*steps),
        *interval,     outcome == "ok"};
    return {command, {}};
}

} // namespace

ParsedLine parseScriptLine(std::string_view line) {
    std::string error;
    auto tokens = tokenize(line, error);
    if (!tokens) return fail(error);
    if (tokens->empty()) return {};
    const std::string& verb = (*tokens)[0].text;
    const std::size_t count = tokens->size();
    using Kind = ScriptCommand::Kind;
    ScriptCommand command;

    if (verb == "status") return parseStatus(*tokens);
    if (verb == "event") return parseEvent(*tokens);
    if (verb == "text") return withBytes(Kind::Text, *tokens, 1, true);
    if (verb == "bytes") return withBytes(Kind::ModemBytes, *tokens, 1, true);
    if (verb == "raw") return withBytes(Kind::Raw, *tokens, 1, true);
    if (verb == "wait-rx") return withBytes(Kind::WaitRx, *tokens, 1, true);
    if (verb == "stats") return parseSwitch(*tokens, Kind::StatsOn, Kind::StatsOff, false);
    if (verb == "cq") return parseSwitch(*tokens, Kind::CqOn, Kind::CqOff, true);
    if (verb == "reply") {
        if (count == 3 && !(*tokens)[1].quoted && (*tokens)[1].text == "auto") {
            const std::string& sw = (*tokens)[2].text;
            if (sw != "on" && sw != "off") return fail("reply auto takes on or off");
            command.kind = sw == "on" ? Kind::AutoReplyOn : Kind::AutoReplyOff;
            return {command, {}};
        }
        return withBytes(Kind::Reply, *tokens, 1, true);
    }
    if (verb == "sleep") {
        auto ms = count == 2 ? millis((*tokens)[1], 0) : std::nullopt;
        if (!ms) return fail("sleep takes a number of milliseconds");
        command.kind = Kind::Sleep;
        command.millis = *ms;
        return {command, {}};
    }
    if (verb == "fail-call") {
        if (count != 2) return fail("fail-call takes one sign");
        command.kind = Kind::FailCall;
        command.word = (*tokens)[1].text;
        return {command, {}};
    }
    if (verb == "identity") {
        if (count != 3) return fail("identity takes a key and a value");
        command.kind = Kind::Identity;
        command.word = (*tokens)[1].text;
        command.value = (*tokens)[2].text;
        return {command, {}};
    }
    if (verb == "fax") return parseFax(*tokens);
    if (verb == "pty") {
        const std::string what = count == 2 ? (*tokens)[1].text : std::string();
        if (what != "close" && what != "new") return fail("pty takes close or new");
        command.kind = what == "close" ? Kind::PtyClose : Kind::PtyNew;
        return {command, {}};
    }
    if (verb == "quit") {
        if (count != 1) return fail("quit takes nothing");
        command.kind = Kind::Quit;
        return {command, {}};
    }
    return fail("unknown command: " + verb);
}

} // namespace modara_sim

#include "rulefile_command.hpp"

#include "memory_report_list.hpp"
#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "runtime/codepage.hpp"
#include "textsvc/text_cipher.hpp"

namespace tesmolen::tools {

namespace {

struct ActionName {
    std::string_view name;
    RuleFileAction action;
    bool takesKey;
    bool takesSalt;
};

constexpr ActionName actions[] = {
    {"encode", RuleFileAction::encode, true, true},
    {"decode", RuleFileAction::decode, true, false},
    {"rows", RuleFileAction::rows, false, false},
    {"hosts", RuleFileAction::hosts, false, false},
};

bool isSalt(std::string_view salt) {
    if (salt.size() != 2) return false;
    for (char c : salt) {
        if (c < 'A' || c > 'Z') return false;
    }
    return true;
}

// Reads "--name value" or "--name=value" at args[at] and advances past what it took; nothing
// when the value is missing.
std::optional<Text> optionValue(std::span<const std::string_view> args, std::size_t& at,
                                std::string_view name) {
    std::string_view arg = args[at++];
    if (arg.size() > name.size()) return Text(arg.substr(name.size() + 1));
    if (at >= args.size()) return std::nullopt;
    return Text(args[at++]);
}

std::string missingValue(std::string_view name) {
    return "option " + std::string(name) + " needs a value";
}

bool isOption(std::string_view arg, std::string_view name) {
    return arg.starts_with(name) && (arg.size() == name.size() || arg[name.size()] == '=');
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "e5b9bf" as the bytes E5 B9 BF; nothing for an odd length, a stray character or a zero byte,
// which no program text holds.
std::optional<Text> bytesOfHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    Text bytes;
    for (std::size_t at = 0; at < hex.size(); at += 2) {
        const int high = hexDigit(hex[at]);
        const int low = hexDigit(hex[at + 1]);
        if (high < 0 || low < 0 || high + low == 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

}  // namespace

std::string_view usageText() {
    return "usage: tesmolen-rulefile encode [KEY] [--salt XY] [--text T] < text > rule file\n"
           "       tesmolen-rulefile decode [KEY]              < rule file  > text\n"
           "       tesmolen-rulefile rows                      < rules text > row lines\n"
           "       tesmolen-rulefile hosts                     < rules text > hosts text\n"
           "KEY is --key K, text as typed (UTF-8 outside Windows), coded in GBK as the program\n"
           "codes its title, or --key-bytes HEX, the key's exact bytes. It defaults to\n"
           "\"Tesmolen\". The salt is two letters A..Z, random when not given. --text codes T,\n"
           "turned into GBK like the key, in place of standard input. Input texts end at their\n"
           "first zero byte. hosts prints what a save writes over a hosts file holding the\n"
           "rules text. rows prints one line per rule: its number, a TAB and its body with \\,\n"
           "CR, LF and TAB written as \\\\, \\r, \\n and \\t.\n";
}

std::variant<RuleFileCommand, std::string> parseArguments(std::span<const std::string_view> args) {
    if (args.empty()) return std::string("no command given");
    RuleFileCommand command;
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        if (args.size() > 1) return std::string("help takes no arguments");
        return command;
    }
    const ActionName* action = nullptr;
    for (const ActionName& candidate : actions) {
        if (args[0] == candidate.name) action = &candidate;
    }
    if (action == nullptr) return "unknown command: " + std::string(args[0]);
    command.action = action->action;

    bool keyGiven = false;
    std::size_t at = 1;
    while (at < args.size()) {
        std::string_view arg = args[at];
        if (action->takesKey && (isOption(arg, "--key") || isOption(arg, "--key-bytes"))) {
            if (keyGiven) return std::string("the key is given twice");
            const std::string_view name = isOption(arg, "--key") ? "--key" : "--key-bytes";
            auto value = optionValue(args, at, name);
            if (!value) return missingValue(name);
            auto key = name == "--key" ? utf8ToGbkExactly(*value) : bytesOfHex(*value);
            if (!key) {
                return name == "--key"
                           ? "the key has no GBK form: " + *value
                           : "--key-bytes needs pairs of hex digits, none 00: " + *value;
            }
            command.key = *key;
            keyGiven = true;
        } else if (action->takesSalt && isOption(arg, "--text")) {
            if (command.text) return std::string("--text given twice");
            auto value = optionValue(args, at, "--text");
            if (!value) return missingValue("--text");
            command.text = utf8ToGbkExactly(*value);
            if (!command.text) return "the text has no GBK form: " + *value;
        } else if (action->takesSalt && isOption(arg, "--salt")) {
            if (command.salt) return std::string("--salt given twice");
            auto value = optionValue(args, at, "--salt");
            if (!value) return missingValue("--salt");
            if (!isSalt(*value)) return "the salt must be two letters A..Z: " + *value;
            command.salt = *value;
        } else {
            return std::string(action->name) + " does not take " + std::string(arg);
        }
    }
    return command;
}

Text escapedBody(std::string_view body) {
    Text line;
    line.reserve(body.size());
    for (char c : body) {
        switch (c) {
            case '\\':
                line += "\\\\";
                break;
            case '\r':
                line += "\\r";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\t':
                line += "\\t";
                break;
            default:
                line += c;
        }
    }
    return line;
}

Text rowLines(const Text& rulesText) {
    MemoryReportList list;
    parseRulesInto(rulesText, list);
    Text lines;
    for (int row = 0; row < list.rowCount(); ++row) {
        lines += list.cell(row, 0);
        lines += '\t';
        lines += escapedBody(list.cell(row, 1));
        lines += '\n';
    }
    return lines;
}

std::optional<Text> hostsTextOfRules(const Bytes& hostsBytes) {
    MemoryReportList list;
    parseRulesInto(toText(hostsBytes), list);
    return savedHostsText(hostsBytes, list);
}

std::optional<Bytes> runCommand(const RuleFileCommand& command, const Bytes& input) {
    switch (command.action) {
        case RuleFileAction::encode: {
            // The program codes texts, which end at their first zero byte.
            const Text text = command.text ? *command.text : toText(input);
            return command.salt ? encodeTextWithSalt(text, command.key, *command.salt)
                                : encodeText(text, command.key);
        }
        case RuleFileAction::decode:
            // As the program reads a rule file: its text ends at the first zero byte.
            return decodeText(toText(input), command.key);
        case RuleFileAction::rows:
            return rowLines(toText(input));
        case RuleFileAction::hosts:
            return hostsTextOfRules(input);
        case RuleFileAction::help:
            return Bytes(usageText());
    }
    return {};
}

}  // namespace tesmolen::tools

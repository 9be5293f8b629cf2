#include "rulefile_command.hpp"

#include "memory_report_list.hpp"
#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
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

}  // namespace

std::string_view usageText() {
    return "usage: tesmolen-rulefile encode [--key K] [--salt XY]  < text       > rule file\n"
           "       tesmolen-rulefile decode [--key K]              < rule file  > text\n"
           "       tesmolen-rulefile rows                          < rules text > row lines\n"
           "       tesmolen-rulefile hosts                         < rules text > hosts text\n"
           "The key defaults to \"Tesmolen\" and is taken as its bytes; the salt is two letters\n"
           "A..Z, random when not given. Input texts end at their first zero byte. rows prints\n"
           "one line per rule: its number, a TAB and its body with \\, CR, LF and TAB written\n"
           "as \\\\, \\r, \\n and \\t.\n";
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
        if (action->takesKey && isOption(arg, "--key")) {
            if (keyGiven) return std::string("--key given twice");
            auto value = optionValue(args, at, "--key");
            if (!value) return missingValue("--key");
            command.key = *value;
            keyGiven = true;
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

Text hostsTextOfRules(const Text& rulesText) {
    MemoryReportList list;
    parseRulesInto(rulesText, list);
    return hostsTextOf(list);
}

Bytes runCommand(const RuleFileCommand& command, const Bytes& input) {
    switch (command.action) {
        case RuleFileAction::encode:
            // The program codes texts, which end at their first zero byte.
            return command.salt ? encodeTextWithSalt(toText(input), command.key, *command.salt)
                                : encodeText(toText(input), command.key);
        case RuleFileAction::decode:
            return decodeText(input, command.key);
        case RuleFileAction::rows:
            return rowLines(toText(input));
        case RuleFileAction::hosts:
            return hostsTextOfRules(toText(input));
        case RuleFileAction::help:
            return Bytes(usageText());
    }
    return {};
}

}  // namespace tesmolen::tools

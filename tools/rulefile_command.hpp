#pragma once
// The rule-file tool's commands: what the arguments ask for, and the bytes each command writes
// for its input.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/text.hpp"

namespace tesmolen::tools {

enum class RuleFileAction { encode, decode, rows, hosts, help };

struct RuleFileCommand {
    RuleFileAction action = RuleFileAction::help;
    Text key = "Tesmolen";     // in GBK, as the program keys its files with its title
    std::optional<Text> salt;  // encode only; without it a random one is drawn
    std::optional<Text> text;  // encode only; in GBK, coded in place of standard input
};

// The command, or the reason the arguments make none. Arguments exclude the program name and
// are UTF-8 (on Windows made from the wide command line); a key or a text given as such is
// turned into GBK, and refused when it has no GBK form.
std::variant<RuleFileCommand, std::string> parseArguments(std::span<const std::string_view> args);

// What the command writes to standard output for these input bytes; nothing when it refuses
// them (hosts: a zero byte).
std::optional<Bytes> runCommand(const RuleFileCommand& command, const Bytes& input);

std::string_view usageText();

// A rule body on one line: "\" as "\\", CR as "\r", LF as "\n", TAB as "\t"; other bytes stay.
Text escapedBody(std::string_view body);

// One line per row that reading the rules text gives: number, TAB, escaped body, LF.
Text rowLines(const Text& rulesText);

// What a save writes over a hosts file that holds these bytes: its system's own text, then the
// rule blocks of its rows. Nothing when the bytes hold a zero byte, as a save refuses them.
std::optional<Text> hostsTextOfRules(const Bytes& hostsBytes);

}  // namespace tesmolen::tools

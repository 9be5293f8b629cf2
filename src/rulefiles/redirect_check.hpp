#pragma once
// Rule files and backups come from elsewhere, and the list shows only the first line of each
// rule: before their rows are added, the user is asked about every entry that points a name at
// another address instead of blocking it.

#include <vector>

#include "runtime/program.hpp"

namespace tesmolen {

// The entry lines of the rules of the text (the lines of a body after its head line that are
// not blank and do not start with "#") whose address is not one that blocks: 0.0.0.0, 127.a.b.c,
// :: or ::1. Without their line ends.
std::vector<Text> redirectingEntries(const Text& rulesText);

enum class RedirectSource { ruleFile, backup };

// True when the rules text redirects nothing, or the user says Yes to adding it anyway.
bool acceptRedirects(Program& program, const Text& rulesText, RedirectSource source);

}  // namespace tesmolen

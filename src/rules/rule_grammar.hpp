#pragma once
// Which "#" of a rules text open and close a rule. A hosts file is shared with the system and
// other programs, so a rule starts only at a head line: a "#" at the start of a line whose text,
// up to the next "#" or the line end, ends with 代码开始. Its body runs to the next "#" of the
// text (or to the end). That "#" closes the rule block with the rest of its line when it is an
// end line (its text ends with 代码结束) or stands inside a line; a "#" that starts any other
// line (a comment, the next head) ends the rule and is not part of it. Every byte outside the
// rule blocks is the system's own text. On every text the program writes itself this gives the
// same bodies as pairing each "#" with the next one.

#include "runtime/text.hpp"
#include "textsvc/regex_object.hpp"

namespace tesmolen {

// One match per rule block; group 1 is the rule body.
const Text& ruleBlockPattern();

// Searches the text for its rule blocks; the object then answers for them, one match per rule.
// False when the search could not be run.
bool findRuleBlocks(RegexObject& regex, Text rulesText);

}  // namespace tesmolen

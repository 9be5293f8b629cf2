#include "rules/rule_grammar.hpp"

#include <utility>

#include "rules/rule_texts.hpp"

namespace tesmolen {

namespace {

// The text of a "#" line up to the next "#", LF or the end of the text (one CR before that LF
// left out) ends with the word.
Text lineTextEndsWith(const Text& word) {
    return "[^#\\n]*?" + word + "(?=\\r?\\n|#|\\z)";
}

}  // namespace

const Text& ruleBlockPattern() {
    static const Text pattern =
        // the head: a "#" that starts the text or follows an LF (the "#" first, so that the
        // search can skip to each "#")
        "#(?<![^\\n]#)(" + lineTextEndsWith(codeBeginsText()) +
        // the body, up to the next "#"
        "[^#]*)"
        // the closing "#" inside a line, or starting an end line, with the rest of its line
        "(?:(?:(?<!\\n)#|#(?=" + lineTextEndsWith(codeEndsText()) + "))[^\\n]*\\n?)?";
    return pattern;
}

bool findRuleBlocks(RegexObject& regex, Text rulesText) {
    return regex.compileAndRun(ruleBlockPattern(), std::move(rulesText),
                               {.caseSensitive = false,
                                .multiLine = true,
                                .global = true,
                                .quotePlaceholder = false});
}

}  // namespace tesmolen

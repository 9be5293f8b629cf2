#include "rules/read_rules.hpp"

#include <utility>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "rules/rule_grammar.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

const Text& readFailedMessage() {
    static const Text text = gbk(u8"数据读取失败\r\n如有需要,请向官方反馈");
    return text;
}

void parseRulesInPlace(Text& rulesText, ReportList& list) {
    RegexObject regex;
    // Even if the list fails half-way, the text goes back where it came from.
    struct GiveBack {
        RegexObject& regex;
        Text& text;
        ~GiveBack() { text = regex.releaseSubject(); }
    } giveBack{regex, rulesText};
    findRuleBlocks(regex, std::move(rulesText));
    const int count = regex.matchCount();
    for (int i = 1; i <= count; ++i) {
        int row = list.appendRow(decimalText(i));
        list.setCell(row, 1, regex.groupText(i, 1));
    }
}

void parseRulesInto(const Text& rulesText, ReportList& list) {
    Text copy = rulesText;
    parseRulesInPlace(copy, list);
}

void parseRules(Program& program) {
    parseRulesInPlace(program.state.currentRulesText, program.ui.list(unit::ruleList));
}

bool ruleListIsEmpty(Program& program) {
    return program.ui.list(unit::ruleList).cell(0, 0).empty();
}

void readRules(Program& program) {
    ReportList& list = program.ui.list(unit::ruleList);
    list.setVisible(true);
    list.deleteAllRows();
    program.state.currentRulesText = toText(readWholeFile(program.state.hostsPath));
    parseRules(program);
    if (ruleListIsEmpty(program)) {
        list.setVisible(false);
        program.ui.messageBox(readFailedMessage(), MessageButtons::ok, program.state.titleText);
    }
}

}  // namespace tesmolen

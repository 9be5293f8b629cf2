#include "rules/rule_editor.hpp"

#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "runtime/message_boxes.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

const Text& siteNameEmptyMessage() {
    static const Text text = gbk(u8"网站名称不可为空");
    return text;
}

const Text& ipEmptyMessage() {
    static const Text text = gbk(u8"IP地址不可为空");
    return text;
}

const Text& hostEmptyMessage() {
    static const Text text = gbk(u8"屏蔽网址不可为空");
    return text;
}

const Text& hashInNameMessage() {
    static const Text text = gbk(u8"网站名称和屏蔽域名中不能包含#号");
    return text;
}

namespace {

// "#" delimits rules: one inside a site name or host would split the rule when it is read.
bool holdsHash(const Text& text) {
    return text.find('#') != Text::npos;
}

// The preview box collects every rule made since the start; nothing clears it.
void appendToPreview(Program& program, const Text& piece) {
    Unit& preview = program.ui.unit(unit::previewBox);
    preview.setText(preview.text() + piece);
}

}  // namespace

void newRule(Program& program) {
    Ui& ui = program.ui;
    const Text siteName = ui.unit(unit::siteNameBox).text();
    if (siteName.empty()) {
        report(program, siteNameEmptyMessage());
        return;
    }
    if (holdsHash(siteName)) {
        report(program, hashInNameMessage());
        return;
    }
    appendToPreview(program, editorHead(siteName));
    ui.unit(unit::siteNameBox).setEnabled(false);
    ui.unit(unit::newRuleButton).setEnabled(false);
    ui.unit(unit::addEntryButton).setEnabled(true);
}

void addEntry(Program& program) {
    Ui& ui = program.ui;
    const Text ipAddress = ui.unit(unit::ipBox).text();
    if (ipAddress.empty()) {
        report(program, ipEmptyMessage());
        return;
    }
    const Text host = ui.unit(unit::hostBox).text();
    if (host.empty()) {
        report(program, hostEmptyMessage());
        return;
    }
    if (holdsHash(host)) {
        report(program, hashInNameMessage());
        return;
    }
    appendToPreview(program, editorEntry(ipAddress, host));
    ui.unit(unit::endEditingButton).setEnabled(true);
    ui.unit(unit::hostBox).setText({});
}

void endEditing(Program& program) {
    Ui& ui = program.ui;
    ui.unit(unit::endEditingButton).setEnabled(false);
    ui.unit(unit::addEntryButton).setEnabled(false);
    ui.unit(unit::newRuleButton).setEnabled(true);
    Unit& siteNameBox = ui.unit(unit::siteNameBox);
    siteNameBox.setEnabled(true);
    // The box was disabled while the rule was open, so it still holds the rule's site name.
    appendToPreview(program, editorEnd(siteNameBox.text()));
    siteNameBox.setText({});
    ui.unit(unit::exportButton).setEnabled(true);
}

void clearIp(Program& program) {
    program.ui.unit(unit::ipBox).setText({});
}

}  // namespace tesmolen

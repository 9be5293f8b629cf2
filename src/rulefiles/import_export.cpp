#include "rulefiles/import_export.hpp"

#include "rulefiles/redirect_check.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/message_boxes.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

namespace {

constexpr std::string_view ruleFileExtension = "ad";

const Text& ruleFileFilter() {
    static const Text text = gbk(u8"屏蔽规则(*.ad)|*.ad");
    return text;
}

const Text& importDialogTitle() {
    static const Text text = gbk(u8"请选择屏蔽规则");
    return text;
}

}  // namespace

const Text& importFailedMessage() {
    static const Text text = gbk(u8"规则导入失败\r\n如有需要,请向官方反馈");
    return text;
}

const Text& exportFailedMessage() {
    static const Text text = gbk(u8"规则导出失败\r\n如有需要,请向官方反馈");
    return text;
}

void importRuleFile(Program& program) {
    FileDialog& dialog = program.ui.fileDialog(unit::fileDialog);
    dialog.setKind(FileDialogKind::open);
    dialog.setTitle(importDialogTitle());
    dialog.setFilter(ruleFileFilter());
    dialog.setDefaultExtension(Text(ruleFileExtension));
    if (!dialog.show()) return;

    const std::optional<Bytes> ruleFile = readWholeFileIfReadable(dialog.chosenFile());
    if (!ruleFile) {
        report(program, importFailedMessage());
        return;
    }
    // A file made under another key, or one that is no rule file, decodes to noise; its rows
    // would reach the hosts file with the next save.
    Text rulesText = decodeText(toText(*ruleFile), program.state.titleText);
    if (!holdsRules(rulesText)) {
        report(program, importFailedMessage());
        return;
    }
    if (!acceptRedirects(program, rulesText, RedirectSource::ruleFile)) return;
    program.ui.list(unit::ruleList).setVisible(true);
    program.state.currentRulesText = std::move(rulesText);
    parseRules(program);
}

void exportRuleFile(Program& program) {
    FileDialog& dialog = program.ui.fileDialog(unit::fileDialog);
    dialog.setKind(FileDialogKind::save);
    dialog.setFilter(ruleFileFilter());
    dialog.setInitialFolder(ruleFileFolder());
    dialog.setDefaultExtension(Text(ruleFileExtension));
    if (!dialog.show()) return;

    const Text editorText = program.ui.unit(unit::previewBox).text();
    if (!writeWholeFile(dialog.chosenFile(), encodeText(editorText, program.state.titleText),
                        program.elevatedWriter)) {
        report(program, exportFailedMessage());
    }
}

}  // namespace tesmolen

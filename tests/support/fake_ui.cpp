#include "support/fake_ui.hpp"

#include <stdexcept>
#include <utility>

#include "runtime/codepage.hpp"
#include "ui/layout.hpp"

namespace tesmolen::testing {

void FakeReportList::deleteAllRows() {
    rows_.clear();
    selected_ = -1;
}

int FakeReportList::appendRow(const Text& column0) { return rows_.appendRow(column0); }

void FakeReportList::setCell(int row, int column, Text text) { rows_.setCell(row, column, text); }

Text FakeReportList::cell(int row, int column) const { return rows_.cell(row, column); }

void FakeReportList::deleteRow(int row) {
    if (rows_.deleteRow(row)) selected_ = rows_.selectionAfterDelete(row);
}

std::vector<FakeReportList::Row> FakeReportList::rows() const {
    std::vector<Row> result;
    for (int row = 0; row < rowCount(); ++row) result.push_back({cell(row, 0), cell(row, 1)});
    return result;
}

std::vector<Text> FakeReportList::bodies() const {
    std::vector<Text> result;
    for (int row = 0; row < rowCount(); ++row) result.push_back(cell(row, 1));
    return result;
}

std::vector<Text> FakeReportList::numbers() const {
    std::vector<Text> result;
    for (int row = 0; row < rowCount(); ++row) result.push_back(cell(row, 0));
    return result;
}

void FakeGraphicButton::setPicture(int slot, const Bytes& image) {
    if (slot >= 1 && slot <= 4) pictures_[slot - 1] = image;
}

Bytes FakeGraphicButton::picture(int slot) const {
    return slot >= 1 && slot <= 4 ? pictures_[slot - 1] : Bytes{};
}

bool FakeFileDialog::show() {
    shown_.push_back(settings());
    std::optional<Text> choice;
    if (!choices_.empty()) {
        choice = choices_.front();
        choices_.pop_front();
    }
    if (!choice) return false;
    chosen_ = *choice;
    return true;
}

namespace {

std::string printable(UnitName name) {
    return std::string(reinterpret_cast<const char*>(name.data()), name.size());
}

std::unique_ptr<FakeUnit> makeFakeUnit(UnitKind kind) {
    switch (kind) {
        case UnitKind::reportList:
            return std::make_unique<FakeReportList>();
        case UnitKind::graphicButton:
            return std::make_unique<FakeGraphicButton>();
        case UnitKind::timer:
            return std::make_unique<FakeTimer>();
        case UnitKind::commonDialog:
            return std::make_unique<FakeFileDialog>();
        default:
            return std::make_unique<FakeUnit>();
    }
}

}  // namespace

FakeUi::FakeUi() {
    const WindowLayout& layout = windowLayout();
    window_.setText(gbk(layout.window.title));
    window_.place(layout.window.left, layout.window.top);
    for (const UnitSpec& spec : layout.units) {
        std::unique_ptr<FakeUnit> unit = makeFakeUnit(spec.kind);
        unit->setVisible(spec.visible);
        unit->setEnabled(spec.enabled);
        unit->setText(gbk(spec.content));
        unit->place(spec.left, spec.top);
        units_.emplace(std::u8string(spec.name), std::move(unit));
    }
    for (const MenuSpec& menu : layout.menus) menus_.emplace(menu.name);
}

template <typename Kind>
Kind& FakeUi::find(UnitName name) {
    auto it = units_.find(name);
    if (it == units_.end()) throw std::logic_error("no unit named " + printable(name));
    auto* unit = dynamic_cast<Kind*>(it->second.get());
    if (unit == nullptr) throw std::logic_error("unit of another kind: " + printable(name));
    return *unit;
}

Unit& FakeUi::unit(UnitName name) {
    return fakeUnit(name);
}
FakeUnit& FakeUi::fakeUnit(UnitName name) {
    return find<FakeUnit>(name);
}
FakeReportList& FakeUi::fakeList(UnitName name) {
    return find<FakeReportList>(name);
}
FakeGraphicButton& FakeUi::fakeGraphicButton(UnitName name) {
    return find<FakeGraphicButton>(name);
}
FakeTimer& FakeUi::fakeTimer(UnitName name) {
    return find<FakeTimer>(name);
}
FakeFileDialog& FakeUi::fakeFileDialog(UnitName name) {
    return find<FakeFileDialog>(name);
}

Answer FakeUi::messageBox(const Text& text, MessageButtons buttons, const Text& title) {
    messages.push_back({text, buttons, title});
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == MessageButtons::yesNo ? defaultQuestionAnswer_ : Answer::ok;
}

void FakeUi::popUpMenu(UnitName menu, ScreenPoint at) {
    if (!menus_.contains(menu)) throw std::logic_error("no menu named " + printable(menu));
    popUps.push_back({std::u8string(menu), at});
}

}  // namespace tesmolen::testing

#pragma once
// The window as plain data: tests script the user's answers and read back what was shown.

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/row_store.hpp"
#include "runtime/ui.hpp"

namespace tesmolen::testing {

class FakeUnit : public virtual Unit {
public:
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    int left() const override { return left_; }
    int top() const override { return top_; }
    Text text() const override { return text_; }
    void setText(const Text& text) override { text_ = text; }

    void place(int left, int top) {
        left_ = left;
        top_ = top;
    }

private:
    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0;
    int top_ = 0;
    Text text_;
};

class FakeReportList : public ReportList, public FakeUnit {
public:
    struct Row {
        Text column0;
        Text column1;
    };

    void deleteAllRows() override;
    int appendRow(const Text& column0) override;
    void setCell(int row, int column, Text text) override;
    Text cell(int row, int column = 0) const override;
    int rowCount() const override { return rows_.rowCount(); }
    void deleteRow(int row) override;
    int selectedRow() const override { return selected_; }
    void visitColumn(int column,
                     const std::function<void(std::string_view)>& visit) const override {
        rows_.visitColumn(column, visit);
    }

    void select(int row) { selected_ = row; }
    std::vector<Row> rows() const;
    // The bodies (column 1) in list order.
    std::vector<Text> bodies() const;
    // The row numbers (column 0) in list order.
    std::vector<Text> numbers() const;

private:
    RowStore rows_;
    int selected_ = -1;
};

class FakeGraphicButton : public GraphicButton, public FakeUnit {
public:
    void setPicture(int slot, const Bytes& image) override;
    bool hasPicture(int slot) const override { return !picture(slot).empty(); }
    Bytes picture(int slot) const;

private:
    Bytes pictures_[4];
};

class FakeTimer : public Timer, public FakeUnit {
public:
    int period() const override { return period_; }
    void setPeriod(int milliseconds) override { period_ = milliseconds; }

private:
    int period_ = 0;
};

class FakeFileDialog : public FileDialog, public FakeUnit {
public:
    using Settings = FileDialogSettings;

    bool show() override;
    Text chosenFile() const override { return chosen_; }

    // The next show() confirms this file; without a scripted choice the user cancels.
    void chooseNext(const Text& path) { choices_.push_back(path); }
    void cancelNext() { choices_.push_back(std::nullopt); }
    // The settings in force at each show(), in order.
    const std::vector<Settings>& shown() const { return shown_; }

private:
    std::deque<std::optional<Text>> choices_;
    std::vector<Settings> shown_;
    Text chosen_;
};

struct ShownMessage {
    Text text;
    MessageButtons buttons;
    Text title;
};

struct MenuPopUp {
    std::u8string menu;
    ScreenPoint at;
};

// Builds one fake unit per row of the window layout, in its initial state; asking for a unit or
// menu that the layout lacks, or for a unit as another kind, throws std::logic_error.
class FakeUi : public Ui {
public:
    FakeUi();

    Unit& window() override { return window_; }
    Unit& unit(UnitName name) override;
    ReportList& list(UnitName name) override { return fakeList(name); }
    GraphicButton& graphicButton(UnitName name) override { return fakeGraphicButton(name); }
    Timer& timer(UnitName name) override { return fakeTimer(name); }
    FileDialog& fileDialog(UnitName name) override { return fakeFileDialog(name); }
    Answer messageBox(const Text& text, MessageButtons buttons, const Text& title) override;
    void popUpMenu(UnitName menu, ScreenPoint at) override;
    ScreenPoint mousePosition() const override { return mouse; }
    void switchVisualStyle() override { visualStyleSwitched = true; }
    void endProcess(int exitCode) override { endedWith = exitCode; }

    FakeUnit& fakeWindow() { return window_; }
    FakeUnit& fakeUnit(UnitName name);
    FakeReportList& fakeList(UnitName name);
    FakeGraphicButton& fakeGraphicButton(UnitName name);
    FakeTimer& fakeTimer(UnitName name);
    FakeFileDialog& fakeFileDialog(UnitName name);

    // Answers for the coming message boxes, in order. Without one, an OK box gives OK and a
    // Yes/No box gives No, or Yes after answerYesToEveryQuestion.
    void answerYes() { answers_.push_back(Answer::yes); }
    void answerNo() { answers_.push_back(Answer::no); }
    void answerYesToEveryQuestion() { defaultQuestionAnswer_ = Answer::yes; }

    std::vector<ShownMessage> messages;
    std::vector<MenuPopUp> popUps;
    ScreenPoint mouse;
    bool visualStyleSwitched = false;
    std::optional<int> endedWith;

private:
    template <typename Kind>
    Kind& find(UnitName name);

    FakeUnit window_;
    std::map<std::u8string, std::unique_ptr<FakeUnit>, std::less<>> units_;
    std::set<std::u8string, std::less<>> menus_;
    std::deque<Answer> answers_;
    Answer defaultQuestionAnswer_ = Answer::no;
};

}  // namespace tesmolen::testing

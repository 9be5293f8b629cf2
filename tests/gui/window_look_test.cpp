#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "gui_window.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using WindowLook = testing::GuiWindow;

TEST_F(WindowLook, TheInstructionsShowTheirLastLineWholeWhenScrolledToTheEnd) {
    auto* text = widget<QPlainTextEdit>(unit::instructionsText);
    ASSERT_NE(text, nullptr);
    QApplication::processEvents();
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    QApplication::processEvents();
    QTextCursor end(text->document());
    end.movePosition(QTextCursor::End);
    const QRect last = text->cursorRect(end);
    QWidget* group = ui.widget(unit::instructionsGroup);
    const QRect inGroup(text->viewport()->mapTo(group, last.topLeft()), last.size());
    std::printf("last %d,%d %dx%d viewport h %d, in group %d..%d\n", last.x(), last.y(), last.width(), last.height(), text->viewport()->height(), inGroup.top(), inGroup.bottom());
    EXPECT_LE(last.bottom(), text->viewport()->rect().bottom());
    EXPECT_LT(inGroup.bottom(), ui.widget(unit::groupLabel)->geometry().top());
}

}  // namespace
}  // namespace tesmolen

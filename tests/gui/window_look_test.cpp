// How the Qt runtime draws the layout's units: as a Windows user would see them, nothing clipped
// and nothing overlapping that the layout does not place so.

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "gui_window.hpp"
#include "runtime/qt/captioned_frame.hpp"
#include "ui/layout.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using WindowLook = testing::GuiWindow;

const UnitSpec& specOf(UnitName name) {
    for (const UnitSpec& spec : windowLayout().units) {
        if (spec.name == name) return spec;
    }
    throw std::logic_error("no such unit");
}

// Pixels of the window's picture in a rectangle that differ from the colour.
int pixelsOtherThan(const QImage& picture, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += picture.pixelColor(x, y) != colour ? 1 : 0;
        }
    }
    return count;
}

TEST_F(WindowLook, GroupCaptionsSitOnTheirFramesInsideTheLeftCorner) {
    for (UnitName name : {unit::noticeBox, unit::instructionsGroup, unit::disclaimerGroup}) {
        auto* group = widget<QGroupBox>(name);
        ASSERT_NE(group, nullptr);
        SCOPED_TRACE(group->title().toStdString());
        const QImage picture = group->grab().toImage();
        const QColor background = group->palette().color(QPalette::Window);
        const int frameLine = group->fontMetrics().height() / 2;
        const int captionWidth = group->fontMetrics().horizontalAdvance(group->title());
        const int captionLeft = CaptionedFrame::captionLeft;
        EXPECT_NE(picture.pixelColor(0, frameLine + 8), background) << "the frame's left edge";
        EXPECT_NE(picture.pixelColor(captionLeft - 4, frameLine), background) << "its top edge";
        EXPECT_EQ(picture.pixelColor(captionLeft - 1, frameLine), background)
            << "the caption's background covers the frame line";
        EXPECT_GT(pixelsOtherThan(picture, QRect(captionLeft, 0, captionWidth, frameLine * 2),
                                  background),
                  captionWidth)
            << "the caption's letters";
    }
}

TEST_F(WindowLook, TheNoticeBoxHidesTheInstructionsUnderIt) {
    ui.selectPage(0);
    QWidget* notice = ui.widget(unit::noticeBox);
    const QImage picture = ui.mainWindow()->grab().toImage();
    const QColor background = notice->palette().color(QPalette::Window);
    // The caption row right of the caption, where the instructions' lines run underneath.
    const QPoint corner = notice->mapTo(ui.mainWindow(), QPoint(0, 0));
    const int captionEnd = CaptionedFrame::captionLeft + 4 +
        notice->fontMetrics().horizontalAdvance(qobject_cast<QGroupBox*>(notice)->title());
    const QRect row(corner.x() + captionEnd, corner.y(), notice->width() - captionEnd - 2,
                    notice->fontMetrics().height() / 2);
    EXPECT_EQ(pixelsOtherThan(picture, row, background), 0);
}

TEST_F(WindowLook, TheDisclaimerTextEndsInsideItsFrame) {
    ui.selectPage(3);
    const UnitSpec& spec = specOf(unit::disclaimerText);
    QWidget* text = ui.widget(unit::disclaimerText);
    QWidget* group = ui.widget(unit::disclaimerGroup);
    EXPECT_GT(spec.left + spec.width, group->width()) << "the layout lets it reach past its group";
    EXPECT_LE(text->geometry().right(), group->width() - 1 - CaptionedFrame::frameWidth);
    EXPECT_EQ(text->geometry().topLeft(), QPoint(spec.left, spec.top));
    EXPECT_EQ(text->height(), spec.height);
}

TEST_F(WindowLook, TheInstructionsShowTheirLastLineWholeWhenScrolledToTheEnd) {
    auto* text = widget<QPlainTextEdit>(unit::instructionsText);
    ASSERT_NE(text, nullptr);
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    QApplication::processEvents();
    QTextCursor end(text->document());
    end.movePosition(QTextCursor::End);
    const QRect last = text->cursorRect(end);
    EXPECT_LE(last.bottom(), text->viewport()->rect().bottom());
    // The label and button of the chat group lie above the text's last pixels.
    const int lastInGroup =
        text->viewport()->mapTo(ui.widget(unit::instructionsGroup), last.bottomLeft()).y();
    EXPECT_LT(lastInGroup, ui.widget(unit::groupLabel)->geometry().top());
}

}  // namespace
}  // namespace tesmolen

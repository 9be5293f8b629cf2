// Run by both window suites, each with its own window and network. The pictures are 1-bit PNGs
// of one colour: a few kilobytes at most, whatever their width and height.

#include "gui_window.hpp"
#include "support/loopback_server.hpp"
#include "support/source_tree.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using BannerPictureLimit = testing::GuiWindow;

TEST_F(BannerPictureLimit, APictureOver4096By4096FromTheServerIsRefusedAsAFailedDownload) {
    const std::pair<std::string, bool> pictures[] = {
        {"4096x4096", true}, {"4097x1", false}, {"1x4097", false}, {"16000x16000", false}};
    testing::LoopbackServer server;
    for (const auto& [name, shown] : pictures) {
        server.page("/" + name, testing::sourceFile("tests/gui/contract/" + name + ".png"));
    }
    testing::WindowNet windowNet;
    GraphicButton& banner = ui.graphicButton(unit::banner);
    for (const auto& [name, shown] : pictures) {
        banner.setPicture(2, windowNet.httpRead(server.url("/" + name)));
        EXPECT_EQ(banner.hasPicture(2), shown) << name;
    }
}

}  // namespace
}  // namespace tesmolen

// Banner pictures come from the network and may be anything: bytes that are no picture leave
// their slot empty, and the window goes on painting and answering clicks.

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <random>

#include "gui_window.hpp"
#include "runtime/qt/picture_button.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

const QRgb red = qRgb(255, 0, 0);

Bytes redPng() {
    QImage image(420, 60, QImage::Format_RGB32);
    image.fill(red);
    for (int x = 0; x < 420; x += 7) image.setPixel(x, x % 60, qRgb(0, x % 256, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

Bytes randomBytes(std::size_t size) {
    std::mt19937 random(11);
    Bytes bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

using BannerPictures = testing::GuiWindow;

TEST_F(BannerPictures, BytesThatAreNoPictureLeaveTheSlotEmpty) {
    GraphicButton& banner = ui.graphicButton(unit::banner);
    auto* button = widget<PictureButton>(unit::banner);
    const Bytes png = redPng();
    const std::vector<std::pair<const char*, Bytes>> notPictures = {
        {"random bytes", randomBytes(8192)},
        {"a PNG cut in half", png.substr(0, png.size() / 2)},
        {"a PNG without its last chunk", png.substr(0, png.size() - 12)},
        {"no bytes", ""},
    };
    for (const auto& [what, bytes] : notPictures) {
        for (int slot = 1; slot <= 3; ++slot) {
            SCOPED_TRACE(std::string(what) + " in slot " + std::to_string(slot));
            for (int s = 1; s <= 3; ++s) banner.setPicture(s, png);
            banner.setPicture(slot, bytes);
            for (int s = 1; s <= 3; ++s) EXPECT_EQ(banner.hasPicture(s), s != slot);

            // The window paints: the banner's own picture when it has one, nothing otherwise.
            const QImage shown = ui.mainWindow()->grab().toImage();
            ASSERT_FALSE(shown.isNull());
            const QPoint inBanner = button->mapTo(ui.mainWindow(), QPoint(2, 2));
            EXPECT_EQ(shown.pixel(inBanner) == red, slot != 1);

            raised.clear();
            QTest::mouseClick(button, Qt::LeftButton);
            ASSERT_EQ(raised.size(), 1u);
            EXPECT_EQ(raised[0].first, unit::banner);
            EXPECT_EQ(raised[0].second, UiEvent::click);
        }
    }
}

}  // namespace
}  // namespace tesmolen

#include "runtime/win32/win32_pictures.hpp"

#include <gtest/gtest.h>

#include "support/source_tree.hpp"

namespace tesmolen {
namespace {

using testing::sourceFile;

COLORREF pixel(const Picture& picture, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ before = SelectObject(memory, picture.bitmap.get());
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, before);
    DeleteDC(memory);
    return colour;
}

TEST(DecodePicture, TheSitesPicturesDecodeToTheirSize) {
    struct Expected {
        const char* file;
        int width;
        int height;
    };
    for (const Expected& expected : {Expected{"site/kovrel/ad/banner1.jpg", 420, 60},
                                     Expected{"resources/pictures/group-button.gif", 90, 22},
                                     Expected{"resources/pictures/payment-qr.jpg", 256, 256},
                                     Expected{"tests/net/win32/half-transparent.png", 30, 20}}) {
        const Bytes bytes = sourceFile(expected.file);
        ASSERT_FALSE(bytes.empty()) << expected.file;
        const Picture picture = decodePicture(bytes);
        ASSERT_TRUE(picture) << expected.file;
        EXPECT_EQ(picture.width, expected.width) << expected.file;
        EXPECT_EQ(picture.height, expected.height) << expected.file;
        BITMAP shape{};
        ASSERT_NE(GetObjectW(picture.bitmap.get(), sizeof shape, &shape), 0);
        EXPECT_EQ(shape.bmWidth, expected.width);
        EXPECT_EQ(shape.bmHeight, expected.height);
    }
}

TEST(DecodePicture, TransparentPartsShowTheBackground) {
    const Picture picture =
        decodePicture(sourceFile("tests/net/win32/half-transparent.png"), RGB(0, 0, 255));
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixel(picture, 2, 10), RGB(255, 0, 0));
    EXPECT_EQ(pixel(picture, 25, 10), RGB(0, 0, 255));
}

TEST(DecodePicture, BytesThatAreNoPictureGiveNone) {
    const Bytes jpeg = sourceFile("site/kovrel/ad/banner1.jpg");
    for (const Bytes& bytes :
         {Bytes(), Bytes("<html><body>404</body></html>"), Bytes(5000, '\0'), jpeg.substr(0, 4)}) {
        const Picture picture = decodePicture(bytes);
        EXPECT_FALSE(picture) << bytes.size() << " bytes";
        EXPECT_EQ(picture.width, 0);
    }
}

}  // namespace
}  // namespace tesmolen

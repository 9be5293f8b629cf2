#include "runtime/win32/win32_pictures.hpp"

// clang-format off
#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>
// clang-format on

#include "runtime/picture_limit.hpp"

namespace tesmolen {

namespace {

namespace flat = Gdiplus::DllExports;

// GDI+ for the life of the process, started by the first picture.
class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (started_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

bool gdiplusStarted() {
    static const GdiplusSession session;
    return session.started();
}

struct StreamReleaser {
    void operator()(IStream* stream) const { stream->Release(); }
};

struct ImageDisposer {
    void operator()(Gdiplus::GpBitmap* image) const { flat::GdipDisposeImage(image); }
};

Gdiplus::ARGB opaque(COLORREF colour) {
    return 0xFF000000u | static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16 |
           static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8 | GetBValue(colour);
}

}  // namespace

Picture decodePicture(const Bytes& bytes, COLORREF background) {
    if (bytes.empty() || bytes.size() > UINT_MAX || !gdiplusStarted()) return {};
    const std::unique_ptr<IStream, StreamReleaser> stream(SHCreateMemStream(
        reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
    if (!stream) return {};
    Gdiplus::GpBitmap* decoded = nullptr;
    if (flat::GdipCreateBitmapFromStream(stream.get(), &decoded) != Gdiplus::Ok) return {};
    const std::unique_ptr<Gdiplus::GpBitmap, ImageDisposer> image(decoded);
    UINT width = 0;
    UINT height = 0;
    HBITMAP bitmap = nullptr;
    if (flat::GdipGetImageWidth(image.get(), &width) != Gdiplus::Ok ||
        flat::GdipGetImageHeight(image.get(), &height) != Gdiplus::Ok ||
        !pictureFits(width, height) ||
        flat::GdipCreateHBITMAPFromBitmap(image.get(), &bitmap, opaque(background)) !=
            Gdiplus::Ok) {
        return {};
    }
    Picture picture;
    picture.bitmap.reset(bitmap);
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return picture;
}

}  // namespace tesmolen

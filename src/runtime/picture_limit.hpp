#pragma once
// The largest picture either window decodes. The banner's pictures come from the maker's server
// over plain HTTP, and a PNG of a few kilobytes may describe a bitmap of gigabytes: its width and
// height are read first, and a picture over the limit is refused as if its download had failed.

namespace tesmolen {

inline constexpr long long largestPictureSide = 4096;

constexpr bool pictureFits(long long width, long long height) {
    return width > 0 && height > 0 && width <= largestPictureSide && height <= largestPictureSide;
}

}  // namespace tesmolen

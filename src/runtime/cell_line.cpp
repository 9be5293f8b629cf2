#include "runtime/cell_line.hpp"

#include "runtime/codepage.hpp"

namespace tesmolen {

namespace {

// A down arrow: the fonts of a Chinese desktop have it, unlike a return symbol.
const Text& lineEndMark() {
    static const Text mark = gbk(u8"↓");
    return mark;
}

const Text& cutMark() {
    static const Text mark = gbk(u8"…");
    return mark;
}

bool isLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

}  // namespace

Text cellLine(std::string_view cell, std::size_t bytes) {
    const std::string_view start = cutGbk(cell, bytes);
    Text line;
    line.reserve(start.size() + cutMark().size());
    for (std::size_t at = 0; at < start.size();) {
        const char byte = start[at];
        if (isLineEnd(byte)) {
            line += lineEndMark();
            at += start.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        } else if (isGbkLeadByte(byte) && at + 1 < start.size()) {
            if (isLineEnd(start[at + 1])) {
                line += '?';
                ++at;
            } else {
                line.append(start, at, 2);
                at += 2;
            }
        } else {
            line += byte;
            ++at;
        }
    }
    if (start.size() < cell.size()) line += cutMark();
    return line;
}

}  // namespace tesmolen

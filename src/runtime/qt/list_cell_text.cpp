#include "runtime/qt/list_cell_text.hpp"

#include <QStringList>

#include <algorithm>

#include "runtime/qt/qt_text.hpp"

namespace tesmolen {

namespace {

bool isLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

// The longest start of the text of at most `bytes` bytes that ends between two characters.
std::string_view wholeCharacters(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = 0;
    while (end < bytes) {
        const std::size_t width = isLeadByte(text[end]) && end + 1 < text.size() ? 2 : 1;
        if (end + width > bytes) break;
        end += width;
    }
    return text.substr(0, end);
}

QString shown(std::string_view bytes) { return toQString(Text(bytes)); }

// A tooltip looks for its lines in this many times as many bytes as it shows, so that a cut long
// line does not hide the lines after it.
constexpr std::size_t tipWindowLines = 16;

}  // namespace

QString cellLine(std::string_view cell, std::size_t bytes) {
    const std::string_view start = wholeCharacters(cell, bytes);
    QString line = withNewlines(shown(start)).replace(QChar(u'\n'), QChar(lineEndMark));
    if (start.size() < cell.size()) line += QChar(cutMark);
    return line;
}

QString cellTip(std::string_view cell, int lines, std::size_t lineBytes) {
    const std::string_view window =
        wholeCharacters(cell, static_cast<std::size_t>(lines) * lineBytes * tipWindowLines);
    QStringList tip;
    std::size_t at = 0;
    while (tip.size() < lines && at < window.size()) {
        const std::size_t end = std::min(window.find_first_of("\r\n", at), window.size());
        const std::string_view line = window.substr(at, end - at);
        const std::string_view start = wholeCharacters(line, lineBytes);
        tip << shown(start) + (start.size() < line.size() ? QString(QChar(cutMark)) : QString());
        at = end;
        if (window.compare(at, 2, "\r\n") == 0) {
            at += 2;
        } else if (at < window.size()) {
            ++at;
        }
    }
    // Lines beyond the window, or beyond the first lines of it, are left out.
    if (at < cell.size()) tip << QString(QChar(cutMark));
    return tip.join(QChar(u'\n'));
}

}  // namespace tesmolen

#include "runtime/qt/list_cell_text.hpp"

#include <QStringList>

#include <algorithm>

#include "runtime/qt/qt_text.hpp"

namespace tesmolen {

namespace {

QString shown(std::string_view bytes) { return toQString(Text(bytes)); }

// A tooltip looks for its lines in this many times as many bytes as it shows, so that a cut long
// line does not hide the lines after it.
constexpr std::size_t tipWindowLines = 16;

}  // namespace

QString cellTip(std::string_view cell, int lines, std::size_t lineBytes) {
    const std::string_view window =
        cutGbk(cell, static_cast<std::size_t>(lines) * lineBytes * tipWindowLines);
    QStringList tip;
    std::size_t at = 0;
    while (tip.size() < lines && at < window.size()) {
        const std::size_t end = std::min(window.find_first_of("\r\n", at), window.size());
        const std::string_view line = window.substr(at, end - at);
        const std::string_view start = cutGbk(line, lineBytes);
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

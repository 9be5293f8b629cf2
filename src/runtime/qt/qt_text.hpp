#pragma once
// Program texts (GBK bytes) meet Qt's strings here and nowhere else.

#include <QString>

#include <string_view>

#include "runtime/text.hpp"

namespace tesmolen {

QString toQString(const Text& text);
// A UTF-8 literal of the window layout.
QString toQString(std::u8string_view literal);
Text fromQString(const QString& string);

// A multi-line text as an edit box holds it: "\n" line ends instead of "\r\n" or "\r".
QString withNewlines(QString text);
// And back, as the program writes line ends: "\r\n".
QString withCrLf(QString text);

}  // namespace tesmolen

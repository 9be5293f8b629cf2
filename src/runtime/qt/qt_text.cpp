#include "runtime/qt/qt_text.hpp"

#include "runtime/codepage.hpp"

namespace tesmolen {

QString toQString(const Text& text) { return QString::fromStdString(gbkToUtf8(text)); }

QString toQString(std::u8string_view literal) {
    return QString::fromUtf8(reinterpret_cast<const char*>(literal.data()),
                             static_cast<qsizetype>(literal.size()));
}

Text fromQString(const QString& string) { return utf8ToGbk(string.toStdString()); }

QString withNewlines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

QString withCrLf(QString text) {
    return withNewlines(std::move(text)).replace(QChar(u'\n'), QStringLiteral("\r\n"));
}

}  // namespace tesmolen

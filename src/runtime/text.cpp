#include "runtime/text.hpp"

#include <cstring>

namespace tesmolen {

Text toText(std::string_view bytes) {
    const void* zero = std::memchr(bytes.data(), 0, bytes.size());
    if (zero == nullptr) return Text(bytes);
    return Text(bytes.data(), static_cast<const char*>(zero) - bytes.data());
}

Text decimalText(long long number) { return std::to_string(number); }

Text upperCase(std::string_view text) {
    Text result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

}  // namespace tesmolen

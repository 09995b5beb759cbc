#include "net/wire_url.h"

#include "text/codepage.h"

namespace kinovra {

std::string WireUrl(const Text& url)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string utf8 = GbkToUtf8(url);
    std::string wire;
    wire.reserve(utf8.size());
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || byte == ' ') {
            wire += '%';
            wire += kHex[byte >> 4];
            wire += kHex[byte & 0x0F];
        } else {
            wire += c;
        }
    }
    return wire;
}

} // namespace kinovra

#include "text/decipher.h"

#include "text/primitives.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace kinovra {
namespace {

// The stream of our own cipher combined with data: a key schedule and an output step of the
// RC4 family with their own index arithmetic, which stored cipher texts depend on.
Bytes ApplyKeystream(const Bytes& data, const Text& key)
{
    std::array<std::uint8_t, 256> s{};
    for (std::size_t x = 0; x < s.size(); ++x)
        s[x] = static_cast<std::uint8_t>(x);

    std::array<std::uint8_t, 256> k{};
    const std::string_view keyBytes = key.bytes();
    if (!keyBytes.empty()) {
        for (std::size_t x = 0; x < k.size(); ++x)
            k[x] = static_cast<std::uint8_t>(keyBytes[x % keyBytes.size()]);
    }

    unsigned j = 255;
    for (std::size_t x = 0; x < s.size(); ++x) {
        j = (j + 1 + s[x] + k[x]) % 256;
        std::swap(s[x], s[j]);
    }

    Bytes out;
    out.reserve(data.size());
    unsigned i = 255;
    j = 255;
    for (const std::uint8_t byte : data) {
        i = (i + 2) % 256;
        j = (j + 1 + s[i]) % 256;
        std::swap(s[i], s[j]);
        out.push_back(static_cast<std::uint8_t>(byte ^ s[(s[i] + s[j]) % 256]));
    }
    return out;
}

} // namespace

int HexToInt(const Text& text)
{
    static const Text kDigits{ "0123456789ABCDEF" };
    const Text upper = UpperText(text);
    // Unsigned, so that a long text wraps around as 32-bit arithmetic does instead of
    // overflowing; a byte that is no digit counts as -2 (its position -1, minus 1).
    std::uint32_t value = 0;
    for (int pos = 1; pos <= TextLength(upper); ++pos) {
        const int digit = FindText(kDigits, TextMid(upper, pos, 1)) - 1;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

Text DecipherText(const Text& cipher, const Text& key)
{
    const Text digits = ReplaceText(cipher, Text{ "," });
    Bytes data;
    data.reserve(static_cast<std::size_t>(TextLength(digits) / 2 + 1));
    for (int pos = 1; pos <= TextLength(digits); pos += 2)
        data.push_back(ToByte(HexToInt(TextMid(digits, pos, 2))));
    return BytesToText(ApplyKeystream(data, key));
}

Text EncipherText(const Text& plain, const Text& key)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string_view bytes = plain.bytes();
    const Bytes cipher = ApplyKeystream(Bytes(bytes.begin(), bytes.end()), key);
    std::string written;
    written.reserve(cipher.size() * 3);
    for (const std::uint8_t byte : cipher) {
        written += kHex[byte >> 4];
        written += kHex[byte & 0x0F];
        written += ',';
    }
    return Text{ std::move(written) };
}

} // namespace kinovra

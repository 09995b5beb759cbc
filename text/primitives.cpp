#include "text/primitives.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

namespace kinovra {
namespace {

bool IsLeadByte(char byte)
{
    return static_cast<unsigned char>(byte) >= 0x80;
}

char FoldCase(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 32) : byte;
}

// Whether sought occurs at pos; the caller makes sure that enough bytes remain.
bool OccursAt(std::string_view bytes, std::size_t pos, std::string_view sought, bool foldCase)
{
    if (!foldCase)
        return bytes[pos] == sought.front() && bytes.compare(pos, sought.size(), sought) == 0;
    return std::equal(sought.begin(), sought.end(),
        bytes.begin() + static_cast<std::ptrdiff_t>(pos),
        [](char a, char b) { return FoldCase(a) == FoldCase(b); });
}

// Bytes in one character when scanning from pos: a byte of 0x80 or above starts a pair, whatever
// the byte after it is.
std::size_t CharWidth(std::string_view bytes, std::size_t pos)
{
    return IsLeadByte(bytes[pos]) ? 2 : 1;
}

} // namespace

int TextLength(const Text& text)
{
    return text.length();
}

Text TextMid(const Text& text, int start, int count)
{
    const std::string_view bytes = text.bytes();
    if (start < 1 || static_cast<std::size_t>(start) > bytes.size() || count < 1)
        return {};
    return Text{ bytes.substr(
        static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(count)) };
}

int FindText(const Text& text, const Text& sought, int start, bool ignoreCase)
{
    const std::string_view bytes = text.bytes();
    const std::string_view pattern = sought.bytes();
    std::size_t pos = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (pos >= bytes.size())
        return -1;
    if (pattern.empty())
        return 1;
    // A lead byte at the end steps pos past the end.
    while (pos < bytes.size() && pattern.size() <= bytes.size() - pos) {
        if (OccursAt(bytes, pos, pattern, ignoreCase))
            return static_cast<int>(pos) + 1;
        pos += CharWidth(bytes, pos);
    }
    return -1;
}

Text ReplaceText(const Text& text, const Text& sought, const Text& replacement, bool caseSensitive)
{
    const std::string_view bytes = text.bytes();
    const std::string_view pattern = sought.bytes();
    if (bytes.empty() || pattern.empty())
        return text;
    std::string result;
    result.reserve(bytes.size());
    std::size_t pos = 0;
    while (pattern.size() <= bytes.size() - pos) {
        if (OccursAt(bytes, pos, pattern, !caseSensitive)) {
            result += replacement.bytes();
            pos += pattern.size();
        } else {
            // A lead byte that ends the text has no partner; only it is copied.
            const std::size_t width = std::min(CharWidth(bytes, pos), bytes.size() - pos);
            result += bytes.substr(pos, width);
            pos += width;
        }
    }
    result += bytes.substr(pos);
    return Text{ std::move(result) };
}

Text UpperText(const Text& text)
{
    std::string result{ text.bytes() };
    for (std::size_t pos = 0; pos < result.size(); ++pos) {
        if (IsLeadByte(result[pos]))
            ++pos;
        else if (result[pos] >= 'a' && result[pos] <= 'z')
            result[pos] = static_cast<char>(result[pos] - 32);
    }
    return Text{ std::move(result) };
}

int CompareText(const Text& a, const Text& b)
{
    // char_traits<char> compares as unsigned char.
    const int order = a.bytes().compare(b.bytes());
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

Text ConcatText(std::initializer_list<Text> parts)
{
    std::string result;
    std::size_t size = 0;
    for (const Text& part : parts)
        size += part.bytes().size();
    result.reserve(size);
    for (const Text& part : parts)
        result += part.bytes();
    return Text{ std::move(result) };
}

int CharCode(const Text& text)
{
    return text.empty() ? 0 : static_cast<signed char>(text.bytes().front());
}

std::uint8_t ToByte(int value)
{
    return static_cast<std::uint8_t>(value);
}

Text IntToText(int value)
{
    return Text{ std::to_string(value) };
}

int TruncToInt(double value)
{
    // The range test also turns NaN away; the cast itself always truncates toward zero.
    constexpr double kLimit = 9223372036854775808.0;
    if (!(value >= -kLimit && value < kLimit))
        return 0;
    const auto whole = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

double Modulo(double a, double b)
{
    return std::fmod(a, b);
}

int BitXor(int a, int b)
{
    return a ^ b;
}

Text BlankText(int count)
{
    return count < 1 ? Text{} : Text{ std::string(static_cast<std::size_t>(count), ' ') };
}

Bytes BlankBytes(int count)
{
    return count < 1 ? Bytes{} : Bytes(static_cast<std::size_t>(count), 0);
}

Text BytesToText(const Bytes& bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{ 0 });
    return Text{ std::string(bytes.begin(), end) };
}

} // namespace kinovra

#include "text/codepage.h"

#include "text/cp936_table.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace kinovra {
namespace {

using detail::Cp936Table;

enum class Encoding
{
    Utf8,
    Cp936
};

constexpr char16_t kReplacement = u'\uFFFD';

std::optional<Encoding> CodePageEncoding(int codePage)
{
    // Code page 0, the system's ANSI code page, is 936 here.
    if (codePage == 0 || codePage == 936)
        return Encoding::Cp936;
    if (codePage == 65001)
        return Encoding::Utf8;
    return std::nullopt;
}

bool IsSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDFFF;
}

struct CodePoint
{
    char32_t value; // U+FFFD for a malformed piece
    std::size_t length;
};

// The character at pos (pos < bytes.size()). A malformed piece is the longest beginning of a
// well-formed sequence there (its maximal subpart), at least one byte, and reads as one U+FFFD.
CodePoint DecodeUtf8(std::string_view bytes, std::size_t pos)
{
    const auto byte = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned lead = byte(pos);
    if (lead < 0x80)
        return { lead, 1 };
    unsigned low = 0x80;
    unsigned high = 0xBF;
    std::size_t trailing = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        value = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low; // overlong forms
        high = lead == 0xED ? 0x9F : high; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        value = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low; // overlong forms
        high = lead == 0xF4 ? 0x8F : high; // beyond U+10FFFF
    } else {
        return { kReplacement, 1 };
    }
    for (std::size_t length = 1; length <= trailing; ++length) {
        if (pos + length == bytes.size() || byte(pos + length) < low || byte(pos + length) > high)
            return { kReplacement, length };
        value = value << 6 | (byte(pos + length) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return { value, trailing + 1 };
}

// Writes the UTF-8 form of a code point at out (room for 4 bytes); returns the bytes written.
std::size_t EncodeUtf8(char32_t point, char* out)
{
    const auto put = [&out](std::size_t i, char32_t bits) { out[i] = static_cast<char>(bits); };
    if (point < 0x80) {
        put(0, point);
        return 1;
    }
    if (point < 0x800) {
        put(0, 0xC0 | point >> 6);
        put(1, 0x80 | (point & 0x3F));
        return 2;
    }
    if (point < 0x10000) {
        put(0, 0xE0 | point >> 12);
        put(1, 0x80 | (point >> 6 & 0x3F));
        put(2, 0x80 | (point & 0x3F));
        return 3;
    }
    put(0, 0xF0 | point >> 18);
    put(1, 0x80 | (point >> 12 & 0x3F));
    put(2, 0x80 | (point >> 6 & 0x3F));
    put(3, 0x80 | (point & 0x3F));
    return 4;
}

// Calls emit with each UTF-16 unit of the text read in the encoding.
template <typename Emit> void ForEachUnit(std::string_view bytes, Encoding encoding, Emit emit)
{
    if (encoding == Encoding::Cp936) {
        const Cp936Table& table = Cp936Table::Get();
        for (std::size_t pos = 0; pos < bytes.size();) {
            const Cp936Table::Decoded decoded = table.Decode(bytes, pos);
            emit(decoded.unit);
            pos += decoded.length;
        }
        return;
    }
    for (std::size_t pos = 0; pos < bytes.size();) {
        const CodePoint point = DecodeUtf8(bytes, pos);
        if (point.value < 0x10000) {
            emit(static_cast<char16_t>(point.value));
        } else {
            emit(static_cast<char16_t>(0xD800 + ((point.value - 0x10000) >> 10)));
            emit(static_cast<char16_t>(0xDC00 + (point.value & 0x3FF)));
        }
        pos += point.length;
    }
}

// Every unit alone: code page 936 holds no surrogate, so each one, paired or not, is a '?'.
std::string EncodeCp936(std::u16string_view units)
{
    const Cp936Table& table = Cp936Table::Get();
    std::string out(2 * units.size(), '\0');
    std::size_t written = 0;
    for (const char16_t unit : units)
        written += table.Encode(unit, out.data() + written);
    out.resize(written);
    return out;
}

// A surrogate without its partner becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view units)
{
    std::string out(3 * units.size(), '\0');
    std::size_t written = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t point = units[i];
        if (point >= 0xD800 && point <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00
            && units[i + 1] <= 0xDFFF) {
            point = 0x10000 + ((point - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (IsSurrogate(point)) {
            point = kReplacement;
        }
        written += EncodeUtf8(point, out.data() + written);
    }
    out.resize(written);
    return out;
}

} // namespace

Bytes DecodeToWide(const Text& text, int codePage, bool useCodePage)
{
    const std::optional<Encoding> source =
        useCodePage ? CodePageEncoding(codePage) : Encoding::Utf8;
    if (!source || text.empty())
        return {};
    // A source byte gives at most one unit; a four-byte UTF-8 sequence gives two.
    Bytes wide(2 * text.bytes().size() + 2);
    std::size_t written = 0;
    ForEachUnit(text.bytes(), *source, [&](char16_t unit) {
        wide[written++] = static_cast<std::uint8_t>(unit & 0xFF);
        wide[written++] = static_cast<std::uint8_t>(unit >> 8);
    });
    wide.resize(written + 2); // the zero unit
    return wide;
}

Text EncodeFromWide(const Bytes& wide, int codePage, bool useCodePage)
{
    const std::optional<Encoding> target = CodePageEncoding(useCodePage ? codePage : 0);
    if (!target)
        return {};
    std::u16string units;
    units.reserve(wide.size() / 2);
    for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
        const auto unit = static_cast<char16_t>(wide[i] | wide[i + 1] << 8);
        if (unit == 0)
            break;
        units += unit;
    }
    return Text{ *target == Encoding::Cp936 ? EncodeCp936(units) : EncodeUtf8(units) };
}

Text Utf8ToGbk(const Text& text)
{
    // The same as EncodeFromWide(DecodeToWide(text, 0, false), 936, true) in one pass, without
    // the UTF-16 copy of the page. No character grows: a code page 936 form is never longer
    // than the UTF-8 one, and a character beyond the BMP (four bytes) is two '?'.
    const Cp936Table& table = Cp936Table::Get();
    const std::string_view bytes = text.bytes();
    std::string out(bytes.size(), '\0');
    std::size_t written = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            out[written++] = bytes[pos++];
            continue;
        }
        const CodePoint point = DecodeUtf8(bytes, pos);
        if (point.value < 0x10000) {
            written += table.Encode(static_cast<char16_t>(point.value), out.data() + written);
        } else {
            out[written++] = '?';
            out[written++] = '?';
        }
        pos += point.length;
    }
    out.resize(written);
    return Text{ std::move(out) };
}

std::u16string GbkToUtf16(const Text& text)
{
    std::u16string units(text.bytes().size(), u'\0');
    std::size_t written = 0;
    ForEachUnit(text.bytes(), Encoding::Cp936, [&](char16_t unit) { units[written++] = unit; });
    units.resize(written);
    return units;
}

Text Utf16ToGbk(std::u16string_view units)
{
    return Text{ EncodeCp936(units.substr(0, units.find(u'\0'))) };
}

std::string GbkToUtf8(const Text& text)
{
    std::string out(3 * text.bytes().size(), '\0');
    std::size_t written = 0;
    ForEachUnit(text.bytes(), Encoding::Cp936,
        [&](char16_t unit) { written += EncodeUtf8(unit, out.data() + written); });
    out.resize(written);
    return out;
}

Text Gbk(std::string_view utf8)
{
    return Utf8ToGbk(Text{ utf8 });
}

} // namespace kinovra

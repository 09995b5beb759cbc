#include "regex/subject_offsets.h"

#include "text/codepage.h"

#include <algorithm>
#include <array>
#include <string>

namespace kinovra {
namespace {

constexpr char16_t kReplacementCharacter = 0xFFFD;

// The character a byte of 0x80 or above stands for on its own (the euro sign 0x80), or 0.
char16_t SingleByteCharacter(unsigned char byte)
{
    static const std::array<char16_t, 128> characters = [] {
        std::array<char16_t, 128> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            const std::u16string units =
                GbkToUtf16(Text(std::string(1, static_cast<char>(0x80 + i))));
            if (units.size() == 1 && units[0] != kReplacementCharacter)
                table[i] = units[0];
        }
        return table;
    }();
    return characters[byte - 0x80];
}

// How many bytes at the start of rest the conversion read for the unit it wrote there. Code
// page 936 has no U+FFFD of its own: that unit marks bytes it could not read, one or two of them.
std::size_t CharacterBytes(std::string_view rest, char16_t unit)
{
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x80 || rest.size() == 1)
        return 1;
    if (unit == kReplacementCharacter)
        return GbkToUtf16(Text(rest.substr(0, 2))).size() == 1 ? 2 : 1;
    return SingleByteCharacter(lead) == unit ? 1 : 2;
}

} // namespace

std::size_t SubjectCursor::ByteOffset(
    const Text& subject, std::u16string_view units, std::size_t unit)
{
    const std::string_view bytes = subject.bytes();
    if (unit < unit_ || byte_ > bytes.size()) {
        unit_ = 0;
        byte_ = 0;
    }
    while (unit_ < unit && unit_ < units.size() && byte_ < bytes.size()) {
        byte_ += CharacterBytes(bytes.substr(byte_), units[unit_]);
        ++unit_;
    }
    return std::min(byte_, bytes.size());
}

} // namespace kinovra

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Internal to the text library: code page 936 as glibc's iconv defines it.
namespace kinovra::detail {

class Cp936Table
{
public:
    // The process's table, read from iconv on first use; safe to use from any thread.
    static const Cp936Table& Get();

    struct Decoded
    {
        char16_t unit; // U+FFFD for bytes that are no character
        std::size_t length; // bytes taken, 1 or 2
    };
    // The character that starts at pos (pos < bytes.size()).
    Decoded Decode(std::string_view bytes, std::size_t pos) const;

    // The code page 936 form of a UTF-16 unit written at out (room for 2 bytes), '?' when the
    // code page has none; returns the bytes written.
    std::size_t Encode(char16_t unit, char* out) const;

private:
    Cp936Table();

    static constexpr unsigned kFirstLead = 0x81;
    static constexpr unsigned kFirstTrail = 0x40;
    static constexpr unsigned kTrails = 0xFF - kFirstTrail;

    std::array<char16_t, 256> single_{};
    std::vector<char16_t> pairs_; // [(lead - kFirstLead) * kTrails + trail - kFirstTrail]
    std::vector<std::uint16_t>
        encoded_; // per unit: 0 none, below 0x100 one byte, else lead << 8 | trail
};

} // namespace kinovra::detail

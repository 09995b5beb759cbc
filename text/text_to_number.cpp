#include "text/primitives.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

namespace kinovra {
namespace {

// Full-width forms of code page 936 turned into ASCII, character by character.
std::string FoldFullWidth(std::string_view bytes)
{
    std::string folded;
    folded.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        if (lead < 0x80 || pos + 1 == bytes.size()) {
            folded += bytes[pos++];
            continue;
        }
        const auto trail = static_cast<unsigned char>(bytes[pos + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += static_cast<char>(trail & 0x7F);
        else if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            folded += '*';
        else
            folded += bytes.substr(pos, 2);
        pos += 2;
    }
    return folded;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// M with the number equal to 0.d... times ten to the power M, d its first significant digit;
// tells whether a number from_chars cannot hold is too large or too small. The mantissa holds
// a digit other than 0, else from_chars would have read it.
long long Magnitude(std::string_view mantissa, std::size_t integerDigits, long long exponent)
{
    std::size_t first = mantissa.find_first_not_of("0.");
    if (first > integerDigits)
        --first; // the decimal point
    return static_cast<long long>(integerDigits) - static_cast<long long>(first) + exponent;
}

} // namespace

double TextToNumber(const Text& text)
{
    const std::string folded = FoldFullWidth(text.bytes());
    std::size_t pos = 0;
    while (pos < folded.size() && IsSpace(folded[pos]))
        ++pos;
    bool negative = false;
    if (pos < folded.size() && (folded[pos] == '+' || folded[pos] == '-'))
        negative = folded[pos++] == '-';

    // from_chars reads no sign and knows only 'e' as the exponent letter, so the number is
    // rewritten in its grammar once its extent is known.
    std::string number;
    const std::size_t mantissaStart = pos;
    while (pos < folded.size() && IsDigit(folded[pos]))
        ++pos;
    const std::size_t integerDigits = pos - mantissaStart;
    std::size_t fractionDigits = 0;
    if (pos < folded.size() && folded[pos] == '.') {
        ++pos;
        while (pos < folded.size() && IsDigit(folded[pos])) {
            ++pos;
            ++fractionDigits;
        }
    }
    if (integerDigits + fractionDigits == 0)
        return 0.0;
    const std::string_view mantissa =
        std::string_view{ folded }.substr(mantissaStart, pos - mantissaStart);
    number += mantissa;

    long long exponent = 0;
    if (pos < folded.size()
        && std::string_view{ "eEdD" }.find(folded[pos]) != std::string_view::npos) {
        std::size_t digit = pos + 1;
        bool negativeExponent = false;
        if (digit < folded.size() && (folded[digit] == '+' || folded[digit] == '-'))
            negativeExponent = folded[digit++] == '-';
        if (digit < folded.size() && IsDigit(folded[digit])) {
            number += 'e';
            if (negativeExponent)
                number += '-';
            for (; digit < folded.size() && IsDigit(folded[digit]); ++digit) {
                number += folded[digit];
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (folded[digit] - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = Magnitude(mantissa, integerDigits, exponent) > 0 ? HUGE_VAL : 0.0;
    else if (error != std::errc{})
        value = 0.0;
    return negative ? -value : value;
}

} // namespace kinovra

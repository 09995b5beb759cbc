#pragma once

#include "text/text_type.h"

#include <cstdint>
#include <initializer_list>

// Text and number operations. Positions are 1-based byte positions, -1 means "not found", and
// searching steps over a double-byte character (a byte of 0x80 or above and the byte after it)
// as one unit. Case folding touches only the ASCII letters and never depends on the locale.
namespace kinovra {

int TextLength(const Text& text);
// Bytes start .. start + count - 1 (1-based); empty when start is outside the text or count < 1.
Text TextMid(const Text& text, int start, int count);
// First occurrence of sought at or after start; -1 when there is none.
int FindText(const Text& text, const Text& sought, int start = 1, bool ignoreCase = false);
// Every non-overlapping occurrence of sought replaced, leftmost first.
Text ReplaceText(
    const Text& text, const Text& sought, const Text& replacement = {}, bool caseSensitive = true);
Text UpperText(const Text& text);
// -1, 0 or 1, comparing unsigned bytes; a prefix is smaller.
int CompareText(const Text& a, const Text& b);
Text ConcatText(std::initializer_list<Text> parts);
// The first byte as a signed 8-bit value; 0 for the empty text.
int CharCode(const Text& text);
std::uint8_t ToByte(int value);
Text IntToText(int value);
// Full-width forms folded to ASCII, then read like atof under the classic locale; 0 for none.
double TextToNumber(const Text& text);
// Truncation toward zero through a 64-bit integer, whose low 32 bits are the result; 0 for NaN
// and for values outside the 64-bit range.
int TruncToInt(double value);
double Modulo(double a, double b);
int BitXor(int a, int b);
Text BlankText(int count);
Bytes BlankBytes(int count);
// The bytes before the first zero byte.
Text BytesToText(const Bytes& bytes);

} // namespace kinovra

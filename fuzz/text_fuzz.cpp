// Drives the text operations with arbitrary bytes and aborts when one of their invariants fails.
#include "text/text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

using namespace kinovra;

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant violated: %s\n", what);
        std::abort();
    }
}

void CheckText(const Text& text, const char* what)
{
    Check(text.bytes().find('\0') == std::string_view::npos, what);
}

char Fold(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool SameBytes(std::string_view a, std::string_view b, bool ignoreCase)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ignoreCase ? Fold(a[i]) != Fold(b[i]) : a[i] != b[i])
            return false;
    }
    return true;
}

// Whether a scan that starts at byte from (0-based) by characters reaches byte at.
bool OnCharacterStart(std::string_view bytes, std::size_t from, std::size_t at)
{
    std::size_t pos = from;
    while (pos < at)
        pos += static_cast<unsigned char>(bytes[pos]) >= 0x80 ? 2 : 1;
    return pos == at;
}

void CheckFind(const Text& text, const Text& sought, int start, bool ignoreCase)
{
    const int found = FindText(text, sought, start, ignoreCase);
    if (found == -1)
        return;
    Check(found >= 1 && found <= text.length(), "FindText position inside the text");
    if (sought.empty()) {
        Check(found == 1, "FindText of the empty text gives 1");
        return;
    }
    const auto at = static_cast<std::size_t>(found - 1);
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
    Check(at >= from, "FindText at or after start");
    Check(at + sought.bytes().size() <= text.bytes().size(), "FindText occurrence inside the text");
    Check(SameBytes(text.bytes().substr(at, sought.bytes().size()), sought.bytes(), ignoreCase),
        "FindText position holds the sought text");
    Check(OnCharacterStart(text.bytes(), from, at), "FindText match starts on a character");
}

void CheckReplace(const Text& text, const Text& sought, const Text& replacement, bool caseSensitive)
{
    const Text deleted = ReplaceText(text, sought, Text{}, caseSensitive);
    CheckText(deleted, "ReplaceText result has no zero byte");
    Check(deleted.length() <= text.length(), "ReplaceText deleting never grows");
    const Text replaced = ReplaceText(text, sought, replacement, caseSensitive);
    CheckText(replaced, "ReplaceText result has no zero byte");
    if (FindText(text, sought, 1, !caseSensitive) == -1)
        Check(replaced == text && deleted == text,
            "ReplaceText without an occurrence changes nothing");
}

void CheckBetween(const Text& text, const Text& startMarker, const Text& endMarker)
{
    const Text piece = TextBetween(text, startMarker, endMarker);
    CheckText(piece, "TextBetween result has no zero byte");
    Check(text.bytes().find(piece.bytes()) != std::string_view::npos,
        "TextBetween cuts a piece of the text");
}

// For ASCII texts the reading must agree with strtod in the C locale, where strtod's grammar
// is ours: no hexadecimal forms, infinities or NaNs, and d read as e.
void CheckNumber(const Text& text)
{
    const double value = TextToNumber(text);
    static_cast<void>(TruncToInt(value));
    std::string ascii = text.str();
    for (const char c : ascii) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == 'x' || c == 'X')
            return;
    }
    std::size_t first = ascii.find_first_not_of(" \t\n\v\f\r");
    if (first != std::string::npos && (ascii[first] == '+' || ascii[first] == '-'))
        ++first;
    if (first >= ascii.size()
        || !((ascii[first] >= '0' && ascii[first] <= '9') || ascii[first] == '.')) {
        Check(value == 0.0, "TextToNumber of no number is 0");
        return;
    }
    for (char& c : ascii) {
        if (c == 'd' || c == 'D')
            c = 'e';
    }
    const double expected = std::strtod(ascii.c_str(), nullptr);
    Check(std::memcmp(&value, &expected, sizeof value) == 0, "TextToNumber reads as strtod does");
}

void CheckCodePage(const Text& text)
{
    const Text gbk = Utf8ToGbk(text);
    CheckText(gbk, "Utf8ToGbk result has no zero byte");
    Check(gbk.length() <= text.length(), "Utf8ToGbk never grows");
    Check(gbk == EncodeFromWide(DecodeToWide(text, 0, false), 936, true),
        "Utf8ToGbk by way of UTF-16");
    const Bytes wide = DecodeToWide(text, 0, false);
    Check(wide.size() % 2 == 0, "DecodeToWide gives whole units");
    for (std::size_t i = 0; i + 2 < wide.size(); i += 2)
        Check(wide[i] != 0 || wide[i + 1] != 0, "DecodeToWide has no zero unit before its end");
    bool ascii = true;
    for (const char c : text.bytes())
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        Check(gbk == text, "Utf8ToGbk keeps ASCII");

    const std::u16string units = GbkToUtf16(text);
    Check(units.find(u'\0') == std::u16string::npos, "GbkToUtf16 gives no zero unit");
    Check(units.size() <= text.bytes().size(), "GbkToUtf16 gives at most a unit per byte");
    const Text normal = Utf16ToGbk(units);
    CheckText(normal, "Utf16ToGbk result has no zero byte");
    Check(normal.length() <= text.length(), "GBK through UTF-16 never grows");
    Check(Utf16ToGbk(GbkToUtf16(normal)) == normal, "GBK through UTF-16 settles after one pass");
    Check(Utf8ToGbk(Text{ GbkToUtf8(text) }) == normal, "GBK through UTF-8 as through UTF-16");
}

void CheckCipher(const Text& text, const Text& key)
{
    CheckText(DecipherText(text, key), "DecipherText result has no zero byte");
    static_cast<void>(HexToInt(text));
    Check(DecipherText(EncipherText(text, key), key) == text, "DecipherText undoes EncipherText");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int start = input.ConsumeIntegralInRange<int>(-2, 40);
    const bool flag = input.ConsumeBool();
    const std::string soughtBytes = input.ConsumeRandomLengthString(16);
    const std::string otherBytes = input.ConsumeRandomLengthString(16);
    const std::string textBytes = input.ConsumeRemainingBytesAsString();

    const Text text{ textBytes };
    const Text sought{ soughtBytes };
    const Text other{ otherBytes };
    Check(text.bytes() == std::string_view{ textBytes }.substr(0, textBytes.find('\0')),
        "Text ends before the first zero byte");
    Check(Text{ std::string{ textBytes } } == text, "Text from a string ends as from a view");

    CheckFind(text, sought, start, flag);
    CheckReplace(text, sought, other, flag);
    CheckBetween(text, sought, other);
    CheckNumber(text);
    CheckCodePage(text);
    CheckCipher(text, other);
    Check(UpperText(text).length() == text.length(), "UpperText keeps the length");
    Check(CompareText(text, sought) == -CompareText(sought, text), "CompareText is antisymmetric");
    return 0;
}

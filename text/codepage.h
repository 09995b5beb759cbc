#pragma once

#include "text/text_type.h"

#include <string>
#include <string_view>

// Conversions between UTF-8, UTF-16 and code page 936. Malformed input never stops a
// conversion: a malformed UTF-8 sequence decodes to U+FFFD, and a UTF-16 unit that code page 936
// cannot hold encodes to '?'. Nothing is ever cut off.
namespace kinovra {

// The text read in codePage (useCodePage) or as UTF-8, as UTF-16LE units followed by a zero unit;
// empty for the empty text. Code pages: 936 (and 0, the ANSI code page) and 65001 (UTF-8);
// any other gives the empty result, here and in EncodeFromWide.
Bytes DecodeToWide(const Text& text, int codePage, bool useCodePage);
// The UTF-16LE units of wide up to its zero unit (or its end), written in codePage
// (useCodePage) or in the ANSI code page, 936.
Text EncodeFromWide(const Bytes& wide, int codePage, bool useCodePage);
// A page's UTF-8 bytes as code page 936.
Text Utf8ToGbk(const Text& text);

// Crossing to and from UTF-16 strings (the window and the regular-expression service). Bytes
// that are no code page 936 character read as U+FFFD; a zero unit ends a UTF-16 string.
std::u16string GbkToUtf16(const Text& text);
Text Utf16ToGbk(std::u16string_view units);
std::string GbkToUtf8(const Text& text);

// A literal written in UTF-8 in the source, as code page 936: Gbk("电影名字：").
Text Gbk(std::string_view utf8);

} // namespace kinovra

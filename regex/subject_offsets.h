#pragma once

#include "text/text_type.h"

#include <cstddef>
#include <string_view>

namespace kinovra {

// Turns offsets in the UTF-16 conversion of a code-page-936 subject (GbkToUtf16) into byte
// offsets of the subject, walking on from the offset asked for last, so that asking in
// increasing order costs one pass.
class SubjectCursor
{
public:
    // The byte where the character of UTF-16 unit `unit` begins; the subject's length at or
    // past the end.
    std::size_t ByteOffset(const Text& subject, std::u16string_view units, std::size_t unit);

private:
    std::size_t unit_ = 0;
    std::size_t byte_ = 0;
};

} // namespace kinovra

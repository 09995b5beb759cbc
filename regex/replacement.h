#pragma once

#include "regex/match_collection.h"

#include <string>
#include <string_view>

namespace kinovra {

// subject with each match of spans replaced by replacement, read with ECMAScript's rules: $1 to
// $99 a group (empty when it took no part), $& the match, $` the text before it, $' the text
// after it, $$ one dollar sign; any other dollar sign, and a reference to a group the pattern
// does not have, stays as written.
std::u16string ReplaceMatches(
    std::u16string_view subject, const MatchSpans& spans, std::u16string_view replacement);

} // namespace kinovra

#pragma once

#include "text/text_type.h"

namespace kinovra {

// The text behind the first occurrence of startMarker, up to the next occurrence of endMarker;
// the empty text when endMarker does not follow.
Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker);

} // namespace kinovra

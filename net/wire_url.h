#pragma once

#include "text/text_type.h"

#include <string>

namespace kinovra {

// The URL as it goes on the wire: characters outside ASCII (code page 936 in the text) become
// their UTF-8 bytes percent-encoded, and so do spaces; other ASCII, existing %XX included, is kept.
std::string WireUrl(const Text& url);

} // namespace kinovra

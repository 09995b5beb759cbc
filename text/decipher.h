#pragma once

#include "text/text_type.h"

namespace kinovra {

// The value of the text's hexadecimal digits (either case); the empty text gives 0.
int HexToInt(const Text& text);
// Deciphers a stored text: hexadecimal byte pairs, commas ignored, under the stream cipher of
// our own with the given key (an absent key is the empty key).
Text DecipherText(const Text& cipher, const Text& key = {});
// The inverse: the plain bytes enciphered, each written as two capital hexadecimal digits and
// a comma.
Text EncipherText(const Text& plain, const Text& key = {});

} // namespace kinovra

#pragma once

#include "catalog/window_controls.h"
#include "text/site_base_cipher.h"
#include "text/text_type.h"

namespace kinovra {

// One title block of a list page, three lines joined by CR LF: the opening tag, the item, the
// closing tag. Groups: the title's link, its name, its category, its update time.
extern const Text kListRowPattern;

// Page 1 offers its page numbers while the selector's value is 1 or less, within this margin.
inline constexpr double kPageFillTolerance = 0.0000001;

// A larger page count is not a catalogue's: such a page offers no page numbers at all.
inline constexpr int kMaxPageCount = 100000;

// The address of the list page that the selector's text names: page 1 while the text is empty,
// else page TruncToInt(TextToNumber(text)).
Text ListPageAddress(const Text& baseAddress, const Text& selectorText);

// How many page numbers a page offers (1 to the result): the count behind "当前:1/" up to "页",
// truncated; 0 when there is none or it lies outside 1 to kMaxPageCount.
int ListPageCount(const Text& pageText);

// The page button's handler: loads the list page that the page selector names into the report
// list, and offers page 1's page numbers in the selector. A click while a load runs is ignored.
// siteBaseCipher is the enciphered base address of the catalogue site.
void LoadListPage(WindowControls& ui, const Text& siteBaseCipher = kSiteBaseCipher);

} // namespace kinovra

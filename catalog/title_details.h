#pragma once

#include "catalog/window_controls.h"
#include "text/site_base_cipher.h"
#include "text/text_type.h"

namespace kinovra {

// The four labelled lines of a title page, joined by CR LF: its name, poster address, play
// address and magnet link, each cut out of the whole page; an empty field leaves its label alone.
Text TitleDetailsText(const Text& pageText);

// The report list's click handler: fetches the page of the selected row's title (the site's base
// address itself when no row is selected), writes its details into the content box, then cleans
// up the box's whole text: quotes and "value=" deleted, "checked=" made a line break.
void ShowTitleDetails(WindowControls& ui, const Text& siteBaseCipher = kSiteBaseCipher);

} // namespace kinovra

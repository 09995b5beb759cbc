#include "text/markers.h"

#include "text/primitives.h"

namespace kinovra {

Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker)
{
    // A missing start marker gives -1 here and is carried through as it is: the rest then
    // starts at byte TextLength(startMarker) - 1.
    const int startAt = FindText(text, startMarker);
    const Text rest = TextMid(text, startAt + TextLength(startMarker), TextLength(text));
    const int endAt = FindText(rest, endMarker);
    return TextMid(rest, 1, endAt - 1);
}

} // namespace kinovra

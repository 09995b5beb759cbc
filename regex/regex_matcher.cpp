#include "regex/regex_matcher.h"

#include "regex/regex_service.h"
#include "text/codepage.h"
#include "text/primitives.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <utility>

namespace kinovra {

std::unique_ptr<RegexMatcher> g_regex;

namespace {

// Most matched texts are ASCII (addresses, dates), which need no converter.
Text UnitsToText(std::u16string_view units)
{
    std::string bytes(units.size(), '\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] >= 0x80)
            return Utf16ToGbk(units);
        bytes[i] = static_cast<char>(units[i]);
    }
    return Text(std::move(bytes));
}

std::optional<Match> FindMatch(const std::shared_ptr<MatchCollection>& matches, int index)
{
    if (!matches || index < 1 || static_cast<std::size_t>(index) > matches->Count())
        return std::nullopt;
    return matches->Item(static_cast<std::size_t>(index) - 1);
}

} // namespace

RegexMatcher::~RegexMatcher()
{
    regex.reset();
    subject = Text();
    matches.reset();
}

bool RegexMatcher::Create(
    const Text& pattern, const Text& subjectText, bool caseSensitive, bool multiline, bool global)
{
    regex.reset();
    regex = std::make_shared<RegexService>();
    regex->SetIgnoreCase(!caseSensitive);
    regex->SetMultiline(multiline);
    // A single-line mode is asked for here too, but the service has none: "." still never
    // matches a line feed.
    regex->SetGlobal(global);
    regex->SetPattern(GbkToUtf16(pattern));
    matches.reset();
    matches = regex->Execute(GbkToUtf16(subjectText));
    subject = subjectText;
    cursor = SubjectCursor();
    return matches != nullptr;
}

Text RegexMatcher::GetPattern()
{
    if (!regex)
        return {};
    return Utf16ToGbk(regex->Pattern());
}

Text RegexMatcher::Replace(const Text& replacement)
{
    if (!regex)
        return {};
    const std::optional<std::u16string> replaced =
        regex->Replace(GbkToUtf16(subject), GbkToUtf16(replacement));
    return replaced ? Utf16ToGbk(*replaced) : Text();
}

int RegexMatcher::MatchCount()
{
    if (!matches)
        return 0;
    return static_cast<int>(std::min<std::size_t>(matches->Count(), INT_MAX));
}

Text RegexMatcher::MatchText(int index, int* position)
{
    const std::optional<Match> match = FindMatch(matches, index);
    Text text = match ? UnitsToText(match->Value()) : Text();
    if (position != nullptr)
        *position = match ? Position(match->FirstIndex(), text) : -1;
    return text;
}

Text RegexMatcher::SubMatchText(int index, int group, int* position)
{
    std::optional<Match> match = FindMatch(matches, index);
    if (match && (group < 1 || group > match->SubMatchCount()))
        match.reset();
    Text text = match ? UnitsToText(match->SubMatch(group - 1)) : Text();
    if (position != nullptr)
        *position = match ? Position(match->FirstIndex(), text) : -1;
    return text;
}

int RegexMatcher::SubMatchCount()
{
    if (!matches || matches->Count() == 0)
        return 0;
    return matches->Item(0).SubMatchCount();
}

// The search starts where the match begins, so a group's text that also occurs earlier within
// its match is found there.
int RegexMatcher::Position(std::size_t firstIndex, const Text& found)
{
    const std::size_t start = cursor.ByteOffset(subject, matches->Subject(), firstIndex);
    if (found.empty())
        return static_cast<int>(start);
    const bool ignoreCase = regex && regex->IgnoreCase();
    return FindText(subject, found, static_cast<int>(start) + 1, ignoreCase) - 1;
}

} // namespace kinovra

#include "catalog/list_page.h"
#include "regex/regex_matcher.h"
#include "regex/regex_service.h"
#include "text/text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Input: one byte of options, then pattern, subject and replacement separated by zero bytes.
// The subject is matched with the catalogue's list pattern and with the fuzzed pattern, and
// every operation of the matcher is called on both runs.
namespace kinovra {
namespace {

constexpr int kMatchesRead = 64;

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool SameText(const Text& a, const Text& b, bool ignoreCase)
{
    return ignoreCase ? UpperText(a) == UpperText(b) : a == b;
}

std::string_view NextPart(std::string_view& rest)
{
    const std::size_t end = rest.find('\0');
    const std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return part;
}

// The matcher's answers against the service's own run of the same settings: the same matches,
// and, where the subject converts without loss, each match found at its own byte offset.
void ReadEverything(RegexMatcher& matcher, const Text& pattern, const Text& subject,
    bool caseSensitive, bool multiline, bool global)
{
    RegexService service;
    service.SetIgnoreCase(!caseSensitive);
    service.SetMultiline(multiline);
    service.SetGlobal(global);
    service.SetPattern(GbkToUtf16(pattern));
    const std::u16string units = GbkToUtf16(subject);
    const auto matches = service.Execute(units);
    const bool lossless = Utf16ToGbk(units) == subject;

    const int count = matcher.MatchCount();
    const int groups = matcher.SubMatchCount();
    Check(count >= 0 && groups >= 0 && (matches || count == 0));
    // A run that its time budget ended may hold fewer matches than the other.
    const int compared = matches ? std::min(count, static_cast<int>(matches->Count())) : 0;
    for (int i = 0; i <= count + 1 && i <= kMatchesRead; ++i) {
        int position = 0;
        const Text text = matcher.MatchText(i, &position);
        Check(position >= -2);
        if (i < 1 || i > count)
            Check(text.empty() && position == -1);
        if (i >= 1 && i <= compared) {
            const Match match = matches->Item(static_cast<std::size_t>(i) - 1);
            Check(text == Utf16ToGbk(match.Value()));
            if (lossless)
                Check(position
                    == Utf16ToGbk(std::u16string_view(units).substr(0, match.FirstIndex()))
                           .length());
        }
        for (int group = 0; group <= groups + 1; ++group) {
            const Text groupText = matcher.SubMatchText(i, group, &position);
            Check(position >= -2);
            if (position >= 0 && !groupText.empty())
                Check(SameText(
                    TextMid(subject, position + 1, groupText.length()), groupText, !caseSensitive));
        }
    }
}

void Exercise(const Text& pattern, const Text& subject, const Text& replacement, bool caseSensitive,
    bool multiline, bool global)
{
    RegexMatcher matcher;
    const bool created = matcher.Create(pattern, subject, caseSensitive, multiline, global);
    ReadEverything(matcher, pattern, subject, caseSensitive, multiline, global);
    matcher.GetPattern();
    const Text replaced = matcher.Replace(replacement);
    Check(created || replaced.empty());

    RegexMatcher copy(matcher);
    const Text first = matcher.SubMatchText(1, 1);
    Check(copy.MatchCount() == matcher.MatchCount() && copy.SubMatchText(1, 1) == first);
    copy.Create(replacement, subject);
    Check(matcher.SubMatchText(1, 1) == first);
}

} // namespace
} // namespace kinovra

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kinovra;
    if (size == 0)
        return 0;
    const std::uint8_t options = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Text pattern(NextPart(rest));
    const Text subject(NextPart(rest));
    const Text replacement(NextPart(rest));

    Exercise(kListRowPattern, subject, replacement, false, true, true);
    Exercise(
        pattern, subject, replacement, (options & 1) != 0, (options & 2) != 0, (options & 4) != 0);
    return 0;
}

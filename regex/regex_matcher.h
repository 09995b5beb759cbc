#pragma once

#include "regex/subject_offsets.h"
#include "text/text_type.h"

#include <cstddef>
#include <memory>

namespace kinovra {

class RegexService;
class MatchCollection;

// One regular expression run over one subject. Indexes from callers are 1-based; every failure
// yields the empty value of its result. Copies share the regex object and the match collection.
class RegexMatcher
{
public:
    RegexMatcher() = default;
    RegexMatcher(const RegexMatcher&) = default;
    RegexMatcher& operator=(const RegexMatcher&) = default;
    // Releases the regex object, then the subject, then the match collection.
    ~RegexMatcher();

    bool Create(const Text& pattern, const Text& subject, bool caseSensitive = false,
        bool multiline = true, bool global = true);
    Text GetPattern();
    Text Replace(const Text& replacement = {});
    int MatchCount();
    // A position is the 0-based byte offset in the subject of the first occurrence of the
    // returned text found from the start of its match on (ignoring case as the match did), -2
    // when there is none, -1 for an index that names no match or group.
    Text MatchText(int index, int* position = nullptr);
    Text SubMatchText(int index, int group, int* position = nullptr);
    int SubMatchCount();

private:
    int Position(std::size_t firstIndex, const Text& found);

    std::shared_ptr<RegexService> regex;
    std::shared_ptr<MatchCollection> matches;
    Text subject;
    // Where the last position was found, so that asking match after match walks the subject once.
    SubjectCursor cursor;
};

// The process-wide matcher: made by InitGlobals, destroyed by ReleaseGlobals.
extern std::unique_ptr<RegexMatcher> g_regex;

} // namespace kinovra

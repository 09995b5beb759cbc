#pragma once

#include "text/text_type.h"

#include <memory>

namespace kinovra {

class RegexService;
class MatchCollection;

// One regular expression run over one subject. Indexes from callers are 1-based; every failure
// yields the empty value of its result. Copies share the regex object and the match collection.
class RegexMatcher
{
public:
    bool Create(const Text& pattern, const Text& subject, bool caseSensitive = false,
        bool multiline = true, bool global = true);
    Text GetPattern();
    Text Replace(const Text& replacement = {});
    int MatchCount();
    Text MatchText(int index, int* position = nullptr);
    Text SubMatchText(int index, int group, int* position = nullptr);
    int SubMatchCount();

private:
    std::shared_ptr<RegexService> regex;
    std::shared_ptr<MatchCollection> matches;
    Text subject;
};

// The process-wide matcher: made by InitGlobals, destroyed by ReleaseGlobals.
extern std::unique_ptr<RegexMatcher> g_regex;

} // namespace kinovra

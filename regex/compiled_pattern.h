#pragma once

// Private to regex/: the PCRE2 side of the regular-expression service.
#include "regex/match_collection.h"
#include "regex/pcre2_handles.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace kinovra {

// A pattern compiled with ECMAScript-like syntax (JIT where it can), and the run over a subject.
// A run cannot hang: the search at one starting point stops after kMatchLimit steps of the
// engine and that starting point is skipped; the run ends with the matches found so far after
// kMaxLimitHits such starting points, once kRunTimeBudgetMs have passed, or on any other error.
class CompiledPattern
{
public:
    static constexpr std::uint32_t kMatchLimit = 5'000'000;
    // Two such starting points are skipped and the third ends the run: a page with more is not
    // worth what they cost (about 20 ms each with JIT, 100 ms without).
    static constexpr int kMaxLimitHits = 3;
    // Starting points that stay just under the match limit are no hits, and enough of them
    // would still take minutes: the run's clock bounds them. A normal 64 MiB page runs in
    // about 130 ms here.
    static constexpr long kRunTimeBudgetMs = 300;

    // Null when the pattern is rejected.
    static std::unique_ptr<CompiledPattern> Compile(
        std::u16string_view pattern, bool ignoreCase, bool multiline);

    int GroupCount() const { return groupCount_; }
    // The matches from left to right: every non-overlapping one when global, else the first.
    MatchSpans Run(std::u16string_view subject, bool global);

private:
    CompiledPattern() = default;

    pcre2::Code code_;
    pcre2::MatchData matchData_;
    pcre2::MatchContext matchContext_;
    pcre2::JitStack jitStack_;
    // The code begins with our callout, which reports each starting point tried.
    bool tracked_ = false;
    int groupCount_ = 0;
};

} // namespace kinovra

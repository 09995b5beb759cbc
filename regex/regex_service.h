#pragma once

#include "regex/match_collection.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kinovra {

class CompiledPattern;

// The regular-expression service: a regex object with the settings IgnoreCase, Multiline,
// Global (all off at first) and Pattern, in ECMAScript-like syntax over UTF-16 text. "."
// matches anything but a line feed; there is no setting that changes that. A run over a
// hostile subject ends early with the matches found so far instead of hanging.
class RegexService
{
public:
    RegexService();
    ~RegexService();
    RegexService(const RegexService&) = delete;
    RegexService& operator=(const RegexService&) = delete;

    bool IgnoreCase() const { return ignoreCase_; }
    void SetIgnoreCase(bool on);
    bool Multiline() const { return multiline_; }
    void SetMultiline(bool on);
    bool Global() const { return global_; }
    void SetGlobal(bool on);
    const std::u16string& Pattern() const { return pattern_; }
    void SetPattern(std::u16string pattern);

    // The matches in subject, left to right: every non-overlapping one when Global is on, else
    // the first. Null when the pattern does not compile.
    std::shared_ptr<MatchCollection> Execute(std::u16string subject);
    // subject with the matches that Execute would find replaced by replacement, in which $1 to
    // $99, $&, $`, $' and $$ stand for what they do in ECMAScript. Nullopt when the pattern does
    // not compile.
    std::optional<std::u16string> Replace(
        std::u16string_view subject, std::u16string_view replacement);

private:
    // Compiles once after the pattern or an option changed; null when the pattern is rejected.
    CompiledPattern* Compiled();

    bool ignoreCase_ = false;
    bool multiline_ = false;
    bool global_ = false;
    std::u16string pattern_;
    std::unique_ptr<CompiledPattern> compiled_;
    bool compiledStale_ = true;
};

} // namespace kinovra

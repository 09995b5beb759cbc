#include "regex/regex_service.h"

#include "regex/compiled_pattern.h"
#include "regex/replacement.h"

#include <utility>

namespace kinovra {
namespace {

// Match offsets are kept in 32 bits.
bool TooLong(std::u16string_view subject)
{
    return subject.size() >= MatchSpans::kUnset;
}

} // namespace

RegexService::RegexService() = default;
RegexService::~RegexService() = default;

void RegexService::SetIgnoreCase(bool on)
{
    compiledStale_ = compiledStale_ || on != ignoreCase_;
    ignoreCase_ = on;
}

void RegexService::SetMultiline(bool on)
{
    compiledStale_ = compiledStale_ || on != multiline_;
    multiline_ = on;
}

void RegexService::SetGlobal(bool on)
{
    global_ = on;
}

void RegexService::SetPattern(std::u16string pattern)
{
    compiledStale_ = compiledStale_ || pattern != pattern_;
    pattern_ = std::move(pattern);
}

CompiledPattern* RegexService::Compiled()
{
    if (compiledStale_) {
        compiled_ = CompiledPattern::Compile(pattern_, ignoreCase_, multiline_);
        compiledStale_ = false;
    }
    return compiled_.get();
}

std::shared_ptr<MatchCollection> RegexService::Execute(std::u16string subject)
{
    CompiledPattern* compiled = Compiled();
    if (compiled == nullptr || TooLong(subject))
        return nullptr;
    MatchSpans spans = compiled->Run(subject, global_);
    return std::make_shared<MatchCollection>(std::move(subject), std::move(spans));
}

std::optional<std::u16string> RegexService::Replace(
    std::u16string_view subject, std::u16string_view replacement)
{
    CompiledPattern* compiled = Compiled();
    if (compiled == nullptr || TooLong(subject))
        return std::nullopt;
    return ReplaceMatches(subject, compiled->Run(subject, global_), replacement);
}

} // namespace kinovra

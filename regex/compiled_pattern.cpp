#include "regex/compiled_pattern.h"

#include <algorithm>
#include <new>
#include <string>
#include <time.h>

namespace kinovra {
namespace {

constexpr std::uint32_t kSyntax = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF
    | PCRE2_DOLLAR_ENDONLY | PCRE2_ALLOW_EMPTY_CLASS;

// The pattern runs as (?C255)(?:pattern): the callout comes first at every starting point the
// engine tries, and is known by its number and its place.
constexpr std::u16string_view kTrackerOpen = u"(?C255)(?:";
constexpr std::u16string_view kTrackerClose = u")";
constexpr std::uint32_t kTrackerNumber = 255;
constexpr PCRE2_SIZE kTrackerPosition = 7;

// Deep backtracking over a long line needs more than the engine's own 32 KiB.
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 8 * 1024 * 1024;

// A clock of a few milliseconds' resolution that costs a few nanoseconds to read: the callout
// reads it at every starting point.
long long CoarseNowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// What the callout learns during one search.
struct Attempts
{
    std::size_t lastStart = 0;
    long long deadline = 0;
};

int OnAttempt(pcre2_callout_block* block, void* data)
{
    if (block->callout_number != kTrackerNumber || block->pattern_position != kTrackerPosition)
        return 0;
    auto& attempts = *static_cast<Attempts*>(data);
    attempts.lastStart = block->start_match;
    return CoarseNowMs() < attempts.deadline ? 0 : PCRE2_ERROR_CALLOUT;
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::size_t NextCharacter(std::u16string_view subject, std::size_t offset)
{
    if (offset + 1 < subject.size() && IsHighSurrogate(subject[offset])
        && IsLowSurrogate(subject[offset + 1]))
        return offset + 2;
    return offset + 1;
}

// Searches start unchecked, so never between the halves of a surrogate pair (where a match
// ending with \C may leave them).
std::size_t CharacterBoundary(std::u16string_view subject, std::size_t offset)
{
    if (offset > 0 && offset < subject.size() && IsLowSurrogate(subject[offset])
        && IsHighSurrogate(subject[offset - 1]))
        return offset + 1;
    return offset;
}

pcre2::Code CompileCode(
    std::u16string_view pattern, std::uint32_t options, pcre2_compile_context* context)
{
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2::Code code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
        options, &error, &errorOffset, context));
    if (!code && error == PCRE2_ERROR_NOMEMORY)
        throw std::bad_alloc();
    return code;
}

int CaptureCount(const pcre2_code* code)
{
    std::uint32_t count = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &count);
    return static_cast<int>(count);
}

template <typename Handle> Handle Made(typename Handle::pointer made)
{
    if (made == nullptr)
        throw std::bad_alloc();
    return Handle(made);
}

} // namespace

std::unique_ptr<CompiledPattern> CompiledPattern::Compile(
    std::u16string_view pattern, bool ignoreCase, bool multiline)
{
    const auto context = Made<pcre2::CompileContext>(pcre2_compile_context_create(nullptr));
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    pcre2_set_compile_extra_options(context.get(), PCRE2_EXTRA_ALT_BSUX);
    const std::uint32_t options =
        kSyntax | (ignoreCase ? PCRE2_CASELESS : 0U) | (multiline ? PCRE2_MULTILINE : 0U);

    pcre2::Code plain = CompileCode(pattern, options, context.get());
    if (!plain)
        return nullptr;
    std::unique_ptr<CompiledPattern> compiled(new CompiledPattern);
    compiled->groupCount_ = CaptureCount(plain.get());

    // Wrapped, a pattern that compiles on its own matches exactly what it did. The few that
    // cannot be wrapped (a leading (*VERB), an unended \Q or comment) run untracked.
    std::u16string wrapped;
    wrapped.reserve(kTrackerOpen.size() + pattern.size() + kTrackerClose.size());
    wrapped.append(kTrackerOpen).append(pattern).append(kTrackerClose);
    pcre2::Code tracked = CompileCode(wrapped, options, context.get());
    compiled->tracked_ = tracked && CaptureCount(tracked.get()) == compiled->groupCount_;
    compiled->code_ = compiled->tracked_ ? std::move(tracked) : std::move(plain);

    // Where JIT is not to be had, pcre2_match interprets the code.
    pcre2_jit_compile(compiled->code_.get(), PCRE2_JIT_COMPLETE);
    compiled->matchData_ = Made<pcre2::MatchData>(
        pcre2_match_data_create_from_pattern(compiled->code_.get(), nullptr));
    compiled->matchContext_ = Made<pcre2::MatchContext>(pcre2_match_context_create(nullptr));
    pcre2_set_match_limit(compiled->matchContext_.get(), kMatchLimit);
    compiled->jitStack_.reset(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
    if (compiled->jitStack_)
        pcre2_jit_stack_assign(compiled->matchContext_.get(), nullptr, compiled->jitStack_.get());
    return compiled;
}

MatchSpans CompiledPattern::Run(std::u16string_view subject, bool global)
{
    MatchSpans spans;
    spans.groupCount = groupCount_;
    const std::size_t offsetCount = 2 * (static_cast<std::size_t>(groupCount_) + 1);
    Attempts attempts;
    attempts.deadline = CoarseNowMs() + kRunTimeBudgetMs;
    pcre2_set_callout(matchContext_.get(), tracked_ ? OnAttempt : nullptr, &attempts);

    const auto* units = reinterpret_cast<PCRE2_SPTR>(subject.data());
    std::uint32_t options = 0;
    int limitHits = 0;
    std::size_t offset = 0;
    while (offset <= subject.size()) {
        attempts.lastStart = offset;
        const int result = pcre2_match(code_.get(), units, subject.size(), offset, options,
            matchData_.get(), matchContext_.get());
        // The first search checked the whole subject; checking again would cost a pass over
        // the rest of it at every match.
        options = PCRE2_NO_UTF_CHECK;
        if (result >= 0) {
            const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData_.get());
            for (std::size_t i = 0; i < offsetCount; ++i)
                spans.offsets.push_back(ovector[i] == PCRE2_UNSET
                        ? MatchSpans::kUnset
                        : static_cast<std::uint32_t>(ovector[i]));
            if (!global)
                break;
            // After an empty match the next search starts one character on.
            offset = ovector[1] > ovector[0] ? CharacterBoundary(subject, ovector[1])
                                             : NextCharacter(subject, ovector[1]);
        } else if (result == PCRE2_ERROR_MATCHLIMIT && ++limitHits < kMaxLimitHits) {
            // Without the callout's report, the search's own start is the one skipped.
            offset = NextCharacter(subject, std::max(attempts.lastStart, offset));
        } else {
            break;
        }
        if (CoarseNowMs() >= attempts.deadline)
            break;
    }
    pcre2_set_callout(matchContext_.get(), nullptr, nullptr);
    return spans;
}

} // namespace kinovra

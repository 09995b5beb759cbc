#include "regex/replacement.h"

#include <algorithm>

namespace kinovra {
namespace {

int DigitValue(char16_t unit)
{
    return unit >= u'0' && unit <= u'9' ? unit - u'0' : -1;
}

// One match's offsets: the whole match, then its groups.
class MatchOffsets
{
public:
    MatchOffsets(std::u16string_view subject, const std::uint32_t* offsets, int groupCount)
        : subject_(subject)
        , offsets_(offsets)
        , groupCount_(groupCount)
    { }

    bool HasGroup(int group) const { return group >= 1 && group <= groupCount_; }
    std::size_t Start() const { return offsets_[0]; }
    std::size_t End() const { return offsets_[1]; }
    std::u16string_view Group(int group) const
    {
        const std::uint32_t start = offsets_[2 * group];
        if (start == MatchSpans::kUnset)
            return {};
        return subject_.substr(start, offsets_[2 * group + 1] - start);
    }

private:
    std::u16string_view subject_;
    const std::uint32_t* offsets_;
    int groupCount_;
};

// Writes what the $ before rest stands for; returns how many units of rest that took.
std::size_t AppendReference(std::u16string& out, std::u16string_view subject,
    const MatchOffsets& match, std::u16string_view rest)
{
    switch (rest[0]) {
    case u'$':
        out += u'$';
        return 1;
    case u'&':
        out.append(match.Group(0));
        return 1;
    case u'`':
        out.append(subject.substr(0, match.Start()));
        return 1;
    case u'\'':
        out.append(subject.substr(match.End()));
        return 1;
    default:
        break;
    }
    // Two digits name a group when the pattern has that many; else the first digit alone may,
    // and the second is text.
    const int first = DigitValue(rest[0]);
    const int second = rest.size() > 1 ? DigitValue(rest[1]) : -1;
    if (first >= 0 && second >= 0 && match.HasGroup(first * 10 + second)) {
        out.append(match.Group(first * 10 + second));
        return 2;
    }
    if (match.HasGroup(first)) {
        out.append(match.Group(first));
        return 1;
    }
    out += u'$';
    return 0;
}

void AppendSubstitution(std::u16string& out, std::u16string_view subject, const MatchOffsets& match,
    std::u16string_view replacement)
{
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        if (replacement[i] == u'$' && i + 1 < replacement.size())
            i += AppendReference(out, subject, match, replacement.substr(i + 1));
        else
            out += replacement[i];
    }
}

} // namespace

std::u16string ReplaceMatches(
    std::u16string_view subject, const MatchSpans& spans, std::u16string_view replacement)
{
    std::u16string out;
    out.reserve(subject.size());
    const std::size_t offsetCount = 2 * (static_cast<std::size_t>(spans.groupCount) + 1);
    std::size_t copied = 0;
    for (std::size_t m = 0; m < spans.Count(); ++m) {
        const MatchOffsets match(subject, spans.offsets.data() + m * offsetCount, spans.groupCount);
        out.append(subject.substr(copied, std::max(match.Start(), copied) - copied));
        AppendSubstitution(out, subject, match, replacement);
        copied = std::max(match.End(), copied);
    }
    out.append(subject.substr(copied));
    return out;
}

} // namespace kinovra

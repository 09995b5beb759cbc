#include "regex/match_collection.h"

#include <utility>

namespace kinovra {

std::u16string_view Match::Value() const
{
    return collection_->GroupText(index_, 0);
}

std::size_t Match::FirstIndex() const
{
    const auto& spans = collection_->spans_;
    return spans.offsets[index_ * 2 * (static_cast<std::size_t>(spans.groupCount) + 1)];
}

int Match::SubMatchCount() const
{
    return collection_->spans_.groupCount;
}

std::u16string_view Match::SubMatch(int group) const
{
    if (group < 0 || group >= SubMatchCount())
        return {};
    return collection_->GroupText(index_, group + 1);
}

MatchCollection::MatchCollection(std::u16string subject, MatchSpans spans)
    : subject_(std::move(subject))
    , spans_(std::move(spans))
{ }

std::u16string_view MatchCollection::GroupText(std::size_t match, int group) const
{
    const std::size_t at = 2
        * (match * (static_cast<std::size_t>(spans_.groupCount) + 1)
            + static_cast<std::size_t>(group));
    const std::uint32_t start = spans_.offsets[at];
    const std::uint32_t end = spans_.offsets[at + 1];
    if (start == MatchSpans::kUnset)
        return {};
    return std::u16string_view(subject_).substr(start, end - start);
}

} // namespace kinovra

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kinovra {

// Where the matches of one run lie: per match, groupCount + 1 pairs of UTF-16 offsets (start,
// end), the whole match first, then the groups in the order of their opening parentheses.
struct MatchSpans
{
    // Both offsets of a group that took no part in its match.
    static constexpr std::uint32_t kUnset = UINT32_MAX;

    int groupCount = 0;
    std::vector<std::uint32_t> offsets;

    std::size_t Count() const
    {
        return offsets.size() / (2 * (static_cast<std::size_t>(groupCount) + 1));
    }
};

class MatchCollection;

// One match of a collection; a view that must not outlive its collection.
class Match
{
public:
    std::u16string_view Value() const;
    // Where the match begins, in UTF-16 units from the start of the subject.
    std::size_t FirstIndex() const;
    // The capture groups, numbered from 0; a group that took no part gives the empty text.
    int SubMatchCount() const;
    std::u16string_view SubMatch(int group) const;

private:
    friend class MatchCollection;
    Match(const MatchCollection& collection, std::size_t index)
        : collection_(&collection)
        , index_(index)
    { }

    const MatchCollection* collection_;
    std::size_t index_;
};

// The matches of one run, left to right, over the run's own copy of the subject.
class MatchCollection
{
public:
    MatchCollection(std::u16string subject, MatchSpans spans);

    std::size_t Count() const { return spans_.Count(); }
    // index counts from 0 and must be below Count().
    Match Item(std::size_t index) const { return { *this, index }; }
    const std::u16string& Subject() const { return subject_; }

private:
    friend class Match;
    // The text of a group (0: the whole match); empty for a group that took no part.
    std::u16string_view GroupText(std::size_t match, int group) const;

    std::u16string subject_;
    MatchSpans spans_;
};

} // namespace kinovra

#include "text/cp936_table.h"

#include <iconv.h>

#include <cstdint>
#include <memory>
#include <type_traits>

namespace kinovra::detail {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

struct IconvCloser
{
    void operator()(iconv_t descriptor) const { iconv_close(descriptor); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

IconvHandle OpenIconv(const char* target, const char* source)
{
    iconv_t descriptor = iconv_open(target, source);
    if (descriptor == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)))
        return nullptr;
    return IconvHandle{ descriptor };
}

// The whole input converted as one character, or the empty view when iconv cannot.
std::string_view ConvertWhole(iconv_t descriptor, std::string_view input, char (&out)[8])
{
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    // iconv's interface takes char** but never writes through the input.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* outAt = out;
    std::size_t outLeft = sizeof out;
    if (iconv(descriptor, &in, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1)
        || inLeft != 0)
        return {};
    return { out, sizeof out - outLeft };
}

char16_t SingleUnit(std::string_view utf16)
{
    if (utf16.size() != 2)
        return kReplacement;
    return static_cast<char16_t>(
        static_cast<unsigned char>(utf16[0]) | static_cast<unsigned char>(utf16[1]) << 8);
}

} // namespace

// Asking iconv for each character once (some 90,000 short calls, a few milliseconds) makes
// every later conversion a table lookup. Streaming through iconv instead costs microseconds at
// each character it cannot convert, as it re-converts its internal buffer to find its place,
// and a page full of such characters would then take seconds.
Cp936Table::Cp936Table()
    : pairs_((0xFF - kFirstLead) * kTrails, kReplacement)
    , encoded_(0x10000, 0)
{
    single_.fill(kReplacement);
    for (unsigned byte = 0; byte < 0x80; ++byte) {
        single_[byte] = static_cast<char16_t>(byte);
        encoded_[byte] = static_cast<std::uint16_t>(byte);
    }
    char out[8];

    if (const IconvHandle decoder = OpenIconv("UTF-16LE", "CP936")) {
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            const char bytes[] = { static_cast<char>(byte) };
            single_[byte] = SingleUnit(ConvertWhole(decoder.get(), { bytes, 1 }, out));
        }
        for (unsigned lead = kFirstLead; lead < 0xFF; ++lead) {
            for (unsigned trail = kFirstTrail; trail < 0xFF; ++trail) {
                const char bytes[] = { static_cast<char>(lead), static_cast<char>(trail) };
                pairs_[(lead - kFirstLead) * kTrails + trail - kFirstTrail] =
                    SingleUnit(ConvertWhole(decoder.get(), { bytes, 2 }, out));
            }
        }
    }

    if (const IconvHandle encoder = OpenIconv("CP936", "UTF-16LE")) {
        for (unsigned unit = 0x80; unit <= 0xFFFF; ++unit) {
            if (unit >= 0xD800 && unit <= 0xDFFF)
                continue;
            const char bytes[] = { static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8) };
            const std::string_view written = ConvertWhole(encoder.get(), { bytes, 2 }, out);
            const auto byte = [written](
                                  std::size_t i) { return static_cast<unsigned char>(written[i]); };
            if (written.size() == 1)
                encoded_[unit] = byte(0);
            else if (written.size() == 2)
                encoded_[unit] = static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
        }
    }
}

const Cp936Table& Cp936Table::Get()
{
    static const Cp936Table table;
    return table;
}

Cp936Table::Decoded Cp936Table::Decode(std::string_view bytes, std::size_t pos) const
{
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < kFirstLead || lead == 0xFF || pos + 1 == bytes.size())
        return { single_[lead], 1 };
    const auto trail = static_cast<unsigned char>(bytes[pos + 1]);
    if (trail >= kFirstTrail && trail < 0xFF) {
        const char16_t unit = pairs_[(lead - kFirstLead) * kTrails + trail - kFirstTrail];
        if (unit != kReplacement)
            return { unit, 2 };
    }
    // A bad pair is one replacement; an ASCII byte behind a lead byte is kept and read on its own.
    return { kReplacement, trail >= 0x80 ? std::size_t{ 2 } : std::size_t{ 1 } };
}

std::size_t Cp936Table::Encode(char16_t unit, char* out) const
{
    const std::uint16_t code = encoded_[unit];
    if (code == 0 && unit != 0) {
        out[0] = '?';
        return 1;
    }
    if (code < 0x100) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    out[0] = static_cast<char>(code >> 8);
    out[1] = static_cast<char>(code & 0xFF);
    return 2;
}

} // namespace kinovra::detail

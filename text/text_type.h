#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kinovra {

// A text in code page 936 (GBK). It never holds a zero byte: every way of making one from bytes
// ends it before the first zero byte. An absent text and the empty text are the same value.
class Text
{
public:
    Text() = default;
    explicit Text(std::string_view bytes);
    // Takes over a string's bytes without copying them (a string rvalue only, so that a literal
    // or an lvalue still goes through string_view unambiguously).
    template <typename String>
    requires std::same_as<String, std::string>
    explicit Text(String&& bytes)
        : bytes_(std::forward<String>(bytes))
    {
        EndAtZero();
    }

    std::string_view bytes() const { return bytes_; }
    const std::string& str() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }
    int length() const { return static_cast<int>(bytes_.size()); }

    friend bool operator==(const Text&, const Text&) = default;

private:
    void EndAtZero();

    std::string bytes_;
};

// A byte array with an explicit length; it may hold zero bytes.
using Bytes = std::vector<std::uint8_t>;

} // namespace kinovra

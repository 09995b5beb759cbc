#pragma once

#include <chrono>
#include <cstddef>

// Limits that keep a request from hanging or from growing without end. A request that hits one
// fails like any other: its result is the empty text.
namespace kinovra {

inline constexpr std::chrono::seconds kHttpConnectTimeout{ 15 };
// A transfer slower than 1 byte/s for this long is given up.
inline constexpr std::chrono::seconds kHttpStallTime{ 30 };
inline constexpr std::size_t kHttpMaxBodyBytes = std::size_t{ 64 } << 20;

namespace detail {

// Test seams: shorter limits so a test of a stall or of an oversized body runs in a moment. They
// apply to the requests sent after the call.
void SetHttpStallTimeForTesting(std::chrono::seconds stall);
void SetHttpMaxBodyBytesForTesting(std::size_t maxBytes);

} // namespace detail
} // namespace kinovra

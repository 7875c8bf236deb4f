// Nearest-neighbour stretching: each destination pixel takes the source pixel its centre
// falls on. The stand-in's stretching blit and the desktop's scaled picture both sample so.
#pragma once

#include <cstdint>

// The source index for destination index `at`, stretching `sourceLength` over `destinationLength`.
constexpr std::int64_t NearestSource(std::int64_t at, std::int64_t sourceLength, std::int64_t destinationLength)
{
    return (2 * at + 1) * sourceLength / (2 * destinationLength);
}

#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

// The standard distributions and std::shuffle may map the same random stream differently from one
// library version to the next; these mappings keep every picture identical wherever it is drawn.

// A whole number from lowest to highest, both included.
inline int seededInt(std::mt19937 &random, int lowest, int highest)
{
    return lowest + static_cast<int>(random() % static_cast<std::uint32_t>(highest - lowest + 1));
}

template <typename T> void seededShuffle(std::mt19937 &random, std::vector<T> &items)
{
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
        std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(seededInt(random, 0, i))]);
}

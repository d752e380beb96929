// The tuner's positions: a position reduced to its cells, hands and side to move, with the result of
// the game it came from, in a compact binary file.
#pragma once

#include "engine/position.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tune {

struct Sample {
    // Each cell of the 11 by 11 board (ring included), row by row: 0 empty, 1 + type for the lower
    // side's pieces, 16 + type for the upper side's.
    std::array<std::uint8_t, 121> cells{};
    std::array<std::uint8_t, 14> hands{}; // the lower side's kinds 1..7, then the upper side's
    std::uint8_t side = 0;
    std::uint8_t result = 1; // for the lower side: 0 lost, 1 drawn, 2 won
    std::uint32_t game = 0;  // the game it came from: positions of one game are alike

    static Sample of(const engine::Position& p, int lower_result, std::uint32_t game);
    engine::Position position() const;
    double score() const { return result / 2.0; }
};

constexpr std::size_t SAMPLE_BYTES = 121 + 14 + 2 + 4;

void write_sample(std::FILE* f, const Sample& s);
bool read_sample(std::FILE* f, Sample& s);
// The whole file; false when it cannot be read or is not a file of samples.
bool read_samples(const std::string& path, std::vector<Sample>& out);
// The header that starts a file of samples.
void write_header(std::FILE* f);

} // namespace tune

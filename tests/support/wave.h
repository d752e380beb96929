// Small wave files made in memory for the sound tests.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// A complete mono 16-bit PCM wave file: a quiet tone of the given length.
inline std::vector<std::uint8_t> make_wave(int samples = 2205, int rate = 22050) {
    std::vector<std::uint8_t> w;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) w.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](std::uint16_t v) {
        w.push_back(static_cast<std::uint8_t>(v));
        w.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    // Byte by byte: GCC 12 at -O2 takes an insert of the four bytes for an overflow.
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) w.push_back(static_cast<std::uint8_t>(t[i]));
    };
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples) * 2;
    tag("RIFF");
    u32(36 + data_bytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate) * 2);
    u16(2);
    u16(16);
    tag("data");
    u32(data_bytes);
    for (int i = 0; i < samples; ++i)
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(3000 * std::sin(i * 0.12))));
    return w;
}

inline std::string as_string(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

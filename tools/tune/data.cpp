#include "tools/tune/data.h"

#include <cstring>

namespace tune {

namespace {
constexpr char MAGIC[8] = {'T', 'E', 'S', 'T', 'U', 'N', 'E', '2'};
}

Sample Sample::of(const engine::Position& p, int lower_result, std::uint32_t game) {
    Sample s;
    for (int y = 1; y <= 11; ++y)
        for (int x = 1; x <= 11; ++x) {
            const Koma c = p.b[engine::sq(x, y)];
            if (c != KARA)
                s.cells[(y - 1) * 11 + (x - 1)] = static_cast<std::uint8_t>(
                    engine::type_of(c) + (engine::side_of(c) == engine::LOWER ? 1 : 16));
        }
    for (int side = 0; side < 2; ++side)
        for (int kind = 1; kind <= 7; ++kind)
            s.hands[side * 7 + kind - 1] = static_cast<std::uint8_t>(p.hand[side][kind]);
    s.side = static_cast<std::uint8_t>(p.side);
    s.result = static_cast<std::uint8_t>(lower_result);
    s.game = game;
    return s;
}

engine::Position Sample::position() const {
    engine::Position p = engine::empty_position();
    for (int i = 0; i < 121; ++i) {
        const int v = cells[i];
        if (v == 0) continue;
        const int side = v >= 16 ? engine::UPPER : engine::LOWER;
        engine::put(p, i % 11 + 1, i / 11 + 1,
                    engine::piece_code(v - (side == engine::UPPER ? 16 : 1), side));
    }
    for (int side = 0; side < 2; ++side)
        for (int kind = 1; kind <= 7; ++kind) engine::set_hand(p, side, kind, hands[side * 7 + kind - 1]);
    engine::set_side(p, side);
    return p;
}

void write_header(std::FILE* f) {
    std::fwrite(MAGIC, 1, sizeof MAGIC, f);
}

void write_sample(std::FILE* f, const Sample& s) {
    unsigned char buf[SAMPLE_BYTES];
    std::memcpy(buf, s.cells.data(), 121);
    std::memcpy(buf + 121, s.hands.data(), 14);
    buf[135] = s.side;
    buf[136] = s.result;
    for (int i = 0; i < 4; ++i) buf[137 + i] = static_cast<unsigned char>(s.game >> (8 * i));
    std::fwrite(buf, 1, sizeof buf, f);
}

bool read_sample(std::FILE* f, Sample& s) {
    unsigned char buf[SAMPLE_BYTES];
    if (std::fread(buf, 1, sizeof buf, f) != sizeof buf) return false;
    std::memcpy(s.cells.data(), buf, 121);
    std::memcpy(s.hands.data(), buf + 121, 14);
    s.side = buf[135];
    s.result = buf[136];
    s.game = 0;
    for (int i = 0; i < 4; ++i) s.game |= std::uint32_t{buf[137 + i]} << (8 * i);
    return s.side <= 1 && s.result <= 2;
}

bool read_samples(const std::string& path, std::vector<Sample>& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char magic[sizeof MAGIC];
    bool ok =
        std::fread(magic, 1, sizeof magic, f) == sizeof magic && std::memcmp(magic, MAGIC, sizeof magic) == 0;
    Sample s;
    while (ok && read_sample(f, s)) out.push_back(s);
    ok = ok && std::feof(f);
    std::fclose(f);
    return ok;
}

} // namespace tune

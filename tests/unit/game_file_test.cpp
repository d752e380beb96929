// The time control and result kept beside a record: read back as written, and only whole and with the
// record they were written for.
#include "core/handicap.h"
#include "kifu/game_file.h"
#include "kifu/record.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

TEST(GameFile, ReadBackOnlyWholeAndWithItsOwnRecord) {
    auto r = std::make_unique<Kiroku>();
    place_start_position(r->entries[0].ban);
    r->entries[1] = r->entries[0];
    r->entries[1].ban[3][7] = r->entries[1].ban[3][8];
    r->entries[1].ban[3][8] = KARA;
    r->KIFU_TESUU = 1;
    const GameFile g{{600, 30, 0}, {GameResult::Reason::TIME, -1, true, 1}};
    const std::string text = game_file_text(*r, g);
    EXPECT_EQ(game_from_text(text, *r), g);

    auto other = std::make_unique<Kiroku>(*r);
    other->entries[1].ban[3][7] = KARA; // another record of as many moves
    const struct {
        const char* what;
        std::function<std::string(std::string)> damage;
        const Kiroku* record;
    } cases[] = {
        {"cut short", [](std::string t) { return t.substr(0, t.size() - 3); }, r.get()},
        {"a digit changed", [](std::string t) { return t.replace(t.find("600"), 3, "900"); }, r.get()},
        {"a line break lost", [](std::string t) { return t.erase(t.find("\r\n"), 1); }, r.get()},
        {"empty", [](std::string) { return std::string(); }, r.get()},
        {"another record's", [](std::string t) { return t; }, other.get()},
    };
    for (const auto& c : cases) EXPECT_FALSE(game_from_text(c.damage(text), *c.record)) << c.what;
}

} // namespace

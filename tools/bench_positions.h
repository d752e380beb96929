// The benchmark's positions, the upper side (the computer) to move: tessora-bench times the computer on
// them, tessora-arena --duel-bench two builds of the searching computer.
#pragma once

#include "core/position.h"

#include <vector>

namespace bench {

struct Piece {
    int x, y;
    Koma code;
};

struct Position {
    const char* name;
    std::vector<Piece> pieces;
    int sita_mochi[8];
    int ue_mochi[8];
};

inline std::vector<Piece> opening_pieces() {
    std::vector<Piece> p;
    const Koma back[9] = {UE_KYOU, UE_KEI, UE_GIN, UE_KIN, UE_OU, UE_KIN, UE_GIN, UE_KEI, UE_KYOU};
    for (int x = 2; x <= 10; ++x) {
        p.push_back({x, 2, back[x - 2]});
        p.push_back({x, 4, UE_HU});
        p.push_back({x, 8, SITA_HU});
        p.push_back({x, 10, static_cast<Koma>(-back[x - 2])});
    }
    p.push_back({3, 3, UE_SYA});
    p.push_back({9, 3, UE_KAKU});
    p.push_back({3, 9, SITA_KAKU});
    p.push_back({9, 9, SITA_SYA});
    return p;
}

inline const std::vector<Position>& positions() {
    static const std::vector<Position> all = {
        {"opening", opening_pieces(), {0}, {0}},
        {"ring middle game",
         {
             // upper side
             {6, 2, UE_OU},
             {5, 2, UE_KIN},
             {7, 3, UE_KIN},
             {4, 3, UE_GIN},
             {3, 2, UE_KEI},
             {2, 2, UE_KYOU},
             {10, 2, UE_KYOU},
             {8, 3, UE_KAKU},
             {2, 4, UE_HU},
             {3, 4, UE_HU},
             {4, 4, UE_HU},
             {5, 5, UE_HU},
             {6, 4, UE_HU},
             {7, 4, UE_HU},
             {8, 5, UE_HU},
             {10, 4, UE_HU},
             // upper pieces riding the ring
             {11, 5, UE_SYA},
             {1, 6, UE_GIN},
             {5, 1, UE_KEI},
             {9, 11, UE_HU_NARI},
             // lower side
             {6, 10, SITA_OU},
             {5, 10, SITA_KIN},
             {7, 9, SITA_KIN},
             {4, 9, SITA_GIN},
             {8, 9, SITA_GIN},
             {3, 10, SITA_KEI},
             {2, 10, SITA_KYOU},
             {10, 10, SITA_KYOU},
             {3, 9, SITA_KAKU},
             {2, 7, SITA_HU},
             {3, 7, SITA_HU},
             {4, 7, SITA_HU},
             {5, 6, SITA_HU},
             {6, 8, SITA_HU},
             {7, 7, SITA_HU},
             {8, 7, SITA_HU},
             {9, 8, SITA_HU},
             {10, 7, SITA_HU},
             // lower pieces riding the ring
             {1, 3, SITA_SYA},
             {7, 11, SITA_HU},
             {11, 8, SITA_KEI},
         },
         {0, 0, 0, 0, 0, 0, 0, 0},
         {0, 1, 0, 0, 0, 0, 0, 0}},
        {"every kind in hand",
         {
             {6, 2, UE_OU},      {7, 2, UE_KIN},    {5, 3, UE_GIN},    {8, 2, UE_GIN},
             {9, 2, UE_KEI},     {10, 2, UE_KYOU},  {3, 4, UE_HU},     {4, 4, UE_HU},
             {6, 4, UE_HU},      {7, 4, UE_HU},     {8, 4, UE_HU},     {10, 4, UE_HU},
             {9, 3, UE_KAKU},    {11, 9, UE_SYA},   {6, 10, SITA_OU},  {5, 10, SITA_KIN},
             {7, 10, SITA_KIN},  {4, 10, SITA_GIN}, {8, 10, SITA_GIN}, {3, 10, SITA_KEI},
             {2, 10, SITA_KYOU}, {9, 9, SITA_SYA},  {3, 8, SITA_HU},   {4, 8, SITA_HU},
             {5, 7, SITA_HU},    {6, 8, SITA_HU},   {7, 8, SITA_HU},   {8, 8, SITA_HU},
             {9, 7, SITA_HU},    {10, 8, SITA_HU},  {2, 6, SITA_HU},   {1, 4, SITA_KAKU_NARI},
         },
         {0, 1, 0, 0, 0, 0, 0, 0},
         {0, 1, 1, 1, 1, 1, 1, 1}},
    };
    return all;
}

} // namespace bench

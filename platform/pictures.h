// The pictures the game stamps, and the file each is loaded from (under assets/).
// The asset generator writes exactly these files; the canvas loads them by this list.
#pragma once

enum class Pic : int {
    None = -1,
    // Board pieces: lower (upright) then upper (upside down); index 0 unpromoted, 1 promoted.
    SITA_HU_0,
    SITA_HU_1,
    SITA_KYOU_0,
    SITA_KYOU_1,
    SITA_KEI_0,
    SITA_KEI_1,
    SITA_GIN_0,
    SITA_GIN_1,
    SITA_KAKU_0,
    SITA_KAKU_1,
    SITA_SYA_0,
    SITA_SYA_1,
    SITA_KIN,
    SITA_OU,
    UE_HU_0,
    UE_HU_1,
    UE_KYOU_0,
    UE_KYOU_1,
    UE_KEI_0,
    UE_KEI_1,
    UE_GIN_0,
    UE_GIN_1,
    UE_KAKU_0,
    UE_KAKU_1,
    UE_SYA_0,
    UE_SYA_1,
    UE_KIN,
    UE_OU,
    KARA_MASU,
    // The same faces on a yellow conveyor plate (no kings).
    SITA_HU_K0,
    SITA_HU_K1,
    SITA_KYOU_K0,
    SITA_KYOU_K1,
    SITA_KEI_K0,
    SITA_KEI_K1,
    SITA_GIN_K0,
    SITA_GIN_K1,
    SITA_KAKU_K0,
    SITA_KAKU_K1,
    SITA_SYA_K0,
    SITA_SYA_K1,
    SITA_KIN_K,
    UE_HU_K0,
    UE_HU_K1,
    UE_KYOU_K0,
    UE_KYOU_K1,
    UE_KEI_K0,
    UE_KEI_K1,
    UE_GIN_K0,
    UE_GIN_K1,
    UE_KAKU_K0,
    UE_KAKU_K1,
    UE_SYA_K0,
    UE_SYA_K1,
    UE_KIN_K,
    KARA_MASU_K,
    // Background tiles, title, button arrows, version picture.
    HAIKEI_MIDORI,
    HAIKEI_TATAMI,
    HAIKEI_TAKE,
    HAIKEI_UCHU,
    HAIKEI_RENGA,
    RUZIVUVOD,
    ARROW_L,
    ARROW_R,
    VERSION,
    TITLE_WINDOW,
    Count
};

constexpr int kPicCount = static_cast<int>(Pic::Count);

// File name of each picture, indexed by Pic, and its size in pixels.
struct PicInfo {
    const char* file;
    int width;
    int height;
};

const PicInfo& pic_info(Pic p);

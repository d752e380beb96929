#include "platform/pictures.h"

namespace {
constexpr int W = 39, H = 44; // piece and plate pictures
const PicInfo kInfo[kPicCount] = {
    {"sita_hu_0.bmp", W, H},       {"sita_hu_1.bmp", W, H},     {"sita_kyou_0.bmp", W, H},
    {"sita_kyou_1.bmp", W, H},     {"sita_kei_0.bmp", W, H},    {"sita_kei_1.bmp", W, H},
    {"sita_gin_0.bmp", W, H},      {"sita_gin_1.bmp", W, H},    {"sita_kaku_0.bmp", W, H},
    {"sita_kaku_1.bmp", W, H},     {"sita_sya_0.bmp", W, H},    {"sita_sya_1.bmp", W, H},
    {"sita_kin.bmp", W, H},        {"sita_ou.bmp", W, H},       {"ue_hu_0.bmp", W, H},
    {"ue_hu_1.bmp", W, H},         {"ue_kyou_0.bmp", W, H},     {"ue_kyou_1.bmp", W, H},
    {"ue_kei_0.bmp", W, H},        {"ue_kei_1.bmp", W, H},      {"ue_gin_0.bmp", W, H},
    {"ue_gin_1.bmp", W, H},        {"ue_kaku_0.bmp", W, H},     {"ue_kaku_1.bmp", W, H},
    {"ue_sya_0.bmp", W, H},        {"ue_sya_1.bmp", W, H},      {"ue_kin.bmp", W, H},
    {"ue_ou.bmp", W, H},           {"kara_masu.bmp", W, H},     {"sita_hu_k0.bmp", W, H},
    {"sita_hu_k1.bmp", W, H},      {"sita_kyou_k0.bmp", W, H},  {"sita_kyou_k1.bmp", W, H},
    {"sita_kei_k0.bmp", W, H},     {"sita_kei_k1.bmp", W, H},   {"sita_gin_k0.bmp", W, H},
    {"sita_gin_k1.bmp", W, H},     {"sita_kaku_k0.bmp", W, H},  {"sita_kaku_k1.bmp", W, H},
    {"sita_sya_k0.bmp", W, H},     {"sita_sya_k1.bmp", W, H},   {"sita_kin_k.bmp", W, H},
    {"ue_hu_k0.bmp", W, H},        {"ue_hu_k1.bmp", W, H},      {"ue_kyou_k0.bmp", W, H},
    {"ue_kyou_k1.bmp", W, H},      {"ue_kei_k0.bmp", W, H},     {"ue_kei_k1.bmp", W, H},
    {"ue_gin_k0.bmp", W, H},       {"ue_gin_k1.bmp", W, H},     {"ue_kaku_k0.bmp", W, H},
    {"ue_kaku_k1.bmp", W, H},      {"ue_sya_k0.bmp", W, H},     {"ue_sya_k1.bmp", W, H},
    {"ue_kin_k.bmp", W, H},        {"kara_masu_k.bmp", W, H},   {"haikei_midori.bmp", 40, 45},
    {"haikei_tatami.bmp", 40, 45}, {"haikei_take.bmp", 40, 45}, {"haikei_uchu.bmp", 40, 45},
    {"haikei_renga.bmp", 40, 45},  {"ruzivuvod.bmp", 121, 58},  {"arrow_l.bmp", 71, 30},
    {"arrow_r.bmp", 71, 30},       {"version.jpg", 360, 200},   {"title.jpg", 400, 240},
};
} // namespace

const PicInfo& pic_info(Pic p) {
    return kInfo[static_cast<int>(p)];
}

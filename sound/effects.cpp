// The program's sounds: the library started once, four wave files loaded into its buffers, freed at
// the end. A buffer of 0 is no sound; the library ignores it, so the callers never test it.

#include "sound/effects.h"

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "sound/dslib.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

int OTO_SONOTA = 0;
int OTO_KINSHI = 0;
int OTO_KOMA = 0;
int OTO_BGM = 0;

namespace {

int g_library = 0; // the library handle; 0 when it did not start

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The whole file in bytes; on failure an empty vector and the reason in `why`.
std::vector<std::uint8_t> read_whole(const std::string& file, std::string& why) {
    std::vector<std::uint8_t> bytes;
    const int e = read_regular_file(file, [&bytes](std::string_view piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
        return true;
    });
    if (e == 0) return bytes;
    why = e == FILE_NOT_REGULAR ? translate("Sound", "通常のファイルではありません") : std::strerror(e);
    return {};
}

} // namespace

void 表示_警告(Dialogs& dialogs, const std::string& text) {
    dialogs.warning(text, "Tessora"); // the program's name, as its other boxes have it
}

void 初期化_サウンド(int window, Dialogs& dialogs) {
    g_library = dsInitialize(window);
    if (g_library == 0)
        表示_警告(dialogs, translate("Sound", "サウンドデバイスを開けませんでした。音なしで対局できます。"));
}

void 終了_サウンド() {
    if (g_library != 0) dsTerminate(g_library);
    g_library = 0;
}

int 読込_効果音(const std::string& file, int flags, Dialogs& dialogs) {
    if (g_library == 0) return 0;
    // Only a file counts as present: a folder of that name is as good as no file.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(file), ec)) return 0;

    std::string why;
    std::vector<std::uint8_t> bytes = read_whole(file, why);
    if (!why.empty()) {
        表示_警告(dialogs,
                  fill(translate("Sound", "効果音ファイル「%1」を読み込めません。（%2）"), {file, why}));
        return 0;
    }
    // The library takes the length from the wave header, so the header must not claim more bytes
    // than the file has.
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        le32(bytes.data() + 4) > bytes.size() - 8) {
        表示_警告(
            dialogs,
            fill(translate("Sound", "効果音ファイル「%1」は完全なウェーブファイルではありません。"), {file}));
        return 0;
    }
    const int buffer = dsCreateDSB(g_library, bytes.data(), flags);
    if (buffer == 0)
        表示_警告(dialogs,
                  fill(translate("Sound", "効果音ファイル「%1」をサウンドライブラリが受け付けませんでした。"),
                       {file}));
    return buffer;
}

void load_sound_effects(Dialogs& dialogs) {
    初期化_サウンド(0, dialogs); // SDL needs no window handle
    OTO_SONOTA = 読込_効果音(data_file("その他.wav"), 3, dialogs);
    OTO_KINSHI = 読込_効果音(data_file("禁止.wav"), 3, dialogs);
    OTO_KOMA = 読込_効果音(data_file("駒打音.wav"), 3, dialogs);
    OTO_BGM = 読込_効果音(data_file("BGM.wav"), 1, dialogs);
}

void free_sound_effects() {
    dsFree(OTO_SONOTA);
    dsFree(OTO_KINSHI);
    dsFree(OTO_KOMA);
    dsFree(OTO_BGM);
    終了_サウンド();
    OTO_SONOTA = OTO_KINSHI = OTO_KOMA = OTO_BGM = 0;
}

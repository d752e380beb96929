// The sound library on SDL's dummy audio driver, and the program's sound routines around it.

#include "support/names.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"
#include "support/wave.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace std::string_literals;

namespace {

std::vector<std::string> g_heard;

void listen(const char* action, int buffer) {
    g_heard.push_back(std::string(action) + " " + std::to_string(buffer));
}

class SoundLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1); // never a real device in a test
        g_heard.clear();
        dsSetListener(listen);
    }
    void TearDown() override {
        if (handle) dsTerminate(handle);
        dsSetListener(nullptr);
    }
    int start() {
        handle = dsInitialize(0);
        return handle;
    }
    int handle = 0;
    std::vector<std::uint8_t> wave = make_wave();
};

TEST_F(SoundLibrary, StartsOnTheDummyDriverWithANonZeroHandle) {
    EXPECT_NE(start(), 0);
}

TEST_F(SoundLibrary, DoesNothingBeforeItIsStarted) {
    EXPECT_EQ(dsCreateDSB(1, wave.data(), 3), 0);
    dsPlay(1);
    dsPlayLooping(1);
    dsStop(1);
    dsFree(1);
    EXPECT_TRUE(g_heard.empty());
}

TEST_F(SoundLibrary, WithoutAnAudioDeviceReturnsZeroAndStaysSilent) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(start(), 0);
    EXPECT_EQ(dsCreateDSB(0, wave.data(), 3), 0);
    dsPlay(1);
    dsPlayLooping(1);
    dsStop(1);
    dsFree(1);
    dsTerminate(0);
    EXPECT_TRUE(g_heard.empty());
}

TEST_F(SoundLibrary, AcceptsAWaveAndGivesEachBufferItsOwnNumber) {
    ASSERT_NE(start(), 0);
    const int a = dsCreateDSB(handle, wave.data(), 3);
    const int b = dsCreateDSB(handle, wave.data(), 1);
    EXPECT_GT(a, 0);
    EXPECT_GT(b, 0);
    EXPECT_NE(a, b);
}

TEST_F(SoundLibrary, RefusesDataThatIsNotAWave) {
    ASSERT_NE(start(), 0);
    std::vector<std::uint8_t> text(64, 'x');
    EXPECT_EQ(dsCreateDSB(handle, text.data(), 3), 0);

    std::vector<std::uint8_t> junk = wave; // a RIFF WAVE header over chunks that make no sound
    for (std::size_t i = 12; i < junk.size(); ++i) junk[i] = static_cast<std::uint8_t>(i * 37);
    EXPECT_EQ(dsCreateDSB(handle, junk.data(), 3), 0);

    std::vector<std::uint8_t> avi = wave;
    avi[8] = 'A', avi[9] = 'V', avi[10] = 'I', avi[11] = ' ';
    EXPECT_EQ(dsCreateDSB(handle, avi.data(), 3), 0);

    EXPECT_EQ(dsCreateDSB(handle, nullptr, 3), 0);
}

TEST_F(SoundLibrary, KeepsItsOwnCopyOfTheWave) {
    ASSERT_NE(start(), 0);
    std::vector<std::uint8_t> bytes = make_wave();
    const int b = dsCreateDSB(handle, bytes.data(), 3);
    ASSERT_GT(b, 0);
    bytes.assign(bytes.size(), 0xEE);
    bytes.clear();
    bytes.shrink_to_fit(); // the caller frees its bytes right after the call
    dsPlay(b);
    std::this_thread::sleep_for(std::chrono::milliseconds(30)); // the mixer reads the chunk meanwhile
    dsStop(b);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"play " + std::to_string(b), "stop " + std::to_string(b)}));
}

TEST_F(SoundLibrary, PlayLoopAndStopOfARealBufferReachTheListener) {
    ASSERT_NE(start(), 0);
    const int b = dsCreateDSB(handle, wave.data(), 3);
    ASSERT_GT(b, 0);
    dsPlay(b);
    dsPlayLooping(b);
    dsStop(b);
    const std::string n = std::to_string(b);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"play " + n, "loop " + n, "stop " + n}));
}

TEST_F(SoundLibrary, BufferZeroAndUnknownBuffersDoNothing) {
    ASSERT_NE(start(), 0);
    const int b = dsCreateDSB(handle, wave.data(), 3);
    ASSERT_GT(b, 0);
    for (int n : {0, b + 1, -1}) {
        dsPlay(n);
        dsPlayLooping(n);
        dsStop(n);
        dsFree(n);
    }
    EXPECT_TRUE(g_heard.empty());
    dsPlay(b); // the real buffer survived the frees of the others
    EXPECT_EQ(g_heard.size(), 1u);
}

TEST_F(SoundLibrary, AFreedBufferIsForgottenAndItsNumberNotGivenAgain) {
    ASSERT_NE(start(), 0);
    const int b = dsCreateDSB(handle, wave.data(), 3);
    dsFree(b);
    dsPlay(b);
    dsStop(b);
    EXPECT_TRUE(g_heard.empty());
    EXPECT_NE(dsCreateDSB(handle, wave.data(), 3), b);
}

TEST_F(SoundLibrary, AfterTerminateEveryCallDoesNothing) {
    ASSERT_NE(start(), 0);
    const int b = dsCreateDSB(handle, wave.data(), 3);
    dsTerminate(handle);
    const int old = handle;
    handle = 0;
    dsPlay(b);
    dsPlayLooping(b);
    dsStop(b);
    EXPECT_EQ(dsCreateDSB(old, wave.data(), 3), 0);
    EXPECT_TRUE(g_heard.empty());
}

TEST_F(SoundLibrary, ALoopGoesOnPastTheEndOfTheSoundUntilStopped) {
    ASSERT_NE(start(), 0);
    const std::vector<std::uint8_t> short_wave = make_wave(4410); // 0.2 s
    const int once = dsCreateDSB(handle, short_wave.data(), 3);
    const int loop = dsCreateDSB(handle, short_wave.data(), 1);
    dsPlay(once);
    dsPlayLooping(loop);
    EXPECT_EQ(Mix_Playing(-1), 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(800)); // the dummy driver mixes in real time
    EXPECT_EQ(Mix_Playing(-1), 1) << "the single play should have ended and the loop still run";
    dsStop(loop);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundLibrary, TwoSoundsPlayTogetherAndARepeatedPlayRestartsOnlyItself) {
    ASSERT_NE(start(), 0);
    const int a = dsCreateDSB(handle, wave.data(), 3);
    const int b = dsCreateDSB(handle, wave.data(), 3);
    dsPlay(a);
    dsPlay(b);
    dsPlay(a);
    EXPECT_EQ(Mix_Playing(-1), 2);
}

// The program's routines: start-up, loading by file name, the warnings.
class SoundRoutines : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        set_platform(&fake);
        g_heard.clear();
        dsSetListener(listen);
    }
    void TearDown() override {
        free_sound_effects();
        dsSetListener(nullptr);
        set_platform(nullptr);
    }
    void write_all_four() {
        for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})
            dir.write(name, as_string(make_wave()));
    }
    FakePlatform fake;
    TempDir dir;
};

TEST_F(SoundRoutines, StartUpLoadsTheFourSoundsInOrder) {
    write_all_four();
    load_sound_effects();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_GT(OTO_SONOTA, 0);
    EXPECT_GT(OTO_KINSHI, OTO_SONOTA);
    EXPECT_GT(OTO_KOMA, OTO_KINSHI);
    EXPECT_GT(OTO_BGM, OTO_KOMA);
}

TEST_F(SoundRoutines, WithoutTheLibraryWarnsOnceAndEverySoundIsZero) {
    write_all_four();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    load_sound_effects();
    EXPECT_EQ(fake.messages, std::vector<std::string>{
                                 "Tessora | サウンドデバイスを開けませんでした。音なしで対局できます。"});
    EXPECT_EQ(OTO_SONOTA, 0);
    EXPECT_EQ(OTO_KINSHI, 0);
    EXPECT_EQ(OTO_KOMA, 0);
    EXPECT_EQ(OTO_BGM, 0);
    dsPlay(OTO_KOMA);
    dsPlayLooping(OTO_BGM);
    dsStop(OTO_BGM);
    free_sound_effects();
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(g_heard.empty());
}

TEST_F(SoundRoutines, AMissingWaveFileIsSilentAndTheOthersStillWork) {
    write_all_four();
    std::filesystem::remove(dir.path() / "BGM.wav");
    load_sound_effects();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(OTO_BGM, 0);
    dsPlayLooping(OTO_BGM);
    dsPlay(OTO_KOMA);
    EXPECT_EQ(g_heard, std::vector<std::string>{"play " + std::to_string(OTO_KOMA)});
}

TEST_F(SoundRoutines, AFolderInPlaceOfAWaveFileCountsAsMissing) {
    std::filesystem::create_directory(dir.path() / "禁止.wav");
    初期化_サウンド(0);
    EXPECT_EQ(読込_効果音("禁止.wav", 3), 0);
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(SoundRoutines, AWaveFileTheLibraryRefusesIsWarnedByName) {
    dir.write("禁止.wav", "RIFF\x20\0\0\0WAVEjunkjunkjunkjunkjunkjunkjunkjunk"s);
    初期化_サウンド(0);
    EXPECT_EQ(読込_効果音("禁止.wav", 3), 0);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].rfind("Tessora | ", 0), 0u);
    EXPECT_NE(fake.messages[0].find("禁止.wav"), std::string::npos);
}

TEST_F(SoundRoutines, ATruncatedOrEmptyWaveFileIsWarnedAndNotReadPastItsEnd) {
    std::string cut = as_string(make_wave()).substr(0, 100); // the header still claims the whole sound
    dir.write("駒打音.wav", cut);
    dir.write("その他.wav", "");
    初期化_サウンド(0);
    EXPECT_EQ(読込_効果音("駒打音.wav", 3), 0);
    EXPECT_EQ(読込_効果音("その他.wav", 3), 0);
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_NE(fake.messages[0].find("駒打音.wav"), std::string::npos);
    EXPECT_NE(fake.messages[1].find("その他.wav"), std::string::npos);
}

TEST_F(SoundRoutines, AtTheEndTheBuffersAreFreedAndTheLibraryShut) {
    write_all_four();
    load_sound_effects();
    const int koma = OTO_KOMA;
    free_sound_effects();
    dsPlay(koma);
    EXPECT_TRUE(g_heard.empty());
    load_sound_effects(); // the library can be started again afterwards
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_GT(OTO_KOMA, 0);
}

} // namespace

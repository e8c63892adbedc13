// Key codes, files matched without regard to case, the random generator.
#include <SDL2/SDL_keycode.h>
#include <gtest/gtest.h>

#include "apoio.h"
#include "media/media.h"
#include "media/teclas.h"

TEST(Teclas, SdlKeysBecomeWindowsVirtualKeys) {
    EXPECT_EQ(VirtualKeyOf(SDLK_a), 65);
    EXPECT_EQ(VirtualKeyOf(SDLK_z), 90);
    EXPECT_EQ(VirtualKeyOf(SDLK_1), 49);
    EXPECT_EQ(VirtualKeyOf(SDLK_9), 57);
    EXPECT_EQ(VirtualKeyOf(SDLK_ESCAPE), 27);
    EXPECT_EQ(VirtualKeyOf(SDLK_RETURN), 13);
    EXPECT_EQ(VirtualKeyOf(SDLK_KP_ENTER), 13);
    EXPECT_EQ(VirtualKeyOf(SDLK_LALT), 18);
    EXPECT_EQ(VirtualKeyOf(SDLK_RALT), 18);
    EXPECT_EQ(VirtualKeyOf(SDLK_F1), 112);
    EXPECT_EQ(VirtualKeyOf(SDLK_F12), 123);
    EXPECT_EQ(VirtualKeyOf(SDLK_MINUS), 189);
    EXPECT_EQ(VirtualKeyOf(SDLK_EQUALS), 187);
    EXPECT_EQ(VirtualKeyOf(SDLK_LEFT), 37);
    EXPECT_EQ(VirtualKeyOf(SDLK_DOWN), 40);
    EXPECT_EQ(VirtualKeyOf(SDLK_LSHIFT), 16);
    EXPECT_EQ(VirtualKeyOf(SDLK_CAPSLOCK), 0);
}

TEST(Teclas, PolledStateFollowsHeldKeys) {
    SetKeyHeld(VK_LEFT, true);
    SetKeyHeld('Z', true);
    SetKeyHeld(VK_SHIFT, true);
    UpdateInput();
    EXPECT_TRUE(entrada.left && entrada.button1 && entrada.button3);
    EXPECT_FALSE(entrada.right || entrada.button2);
    SetKeyHeld(VK_LEFT, false);
    SetKeyHeld('Z', false);
    SetKeyHeld(VK_SHIFT, false);
    UpdateInput();
    EXPECT_FALSE(entrada.left || entrada.button1 || entrada.button3);
}

TEST(Arquivos, NamesMatchWithoutRegardToCase) {
    PastaTemporaria pasta("arquivos");
    pasta.escreve("Unidades/Unid-042.gmb", "1\n1\nabc");
    EXPECT_TRUE(FileExists("Unidades/unid-042.gmb"));
    EXPECT_TRUE(FileExists("UNIDADES/UNID-042.GMB"));
    EXPECT_FALSE(FileExists("Unidades/Unid-043.gmb"));
    EXPECT_FALSE(FileExists("Unidades"));  // a folder is not a file
    EXPECT_FALSE(FileExists("../Unidades/Unid-042.gmb"));
    std::vector<uint8_t> b;
    ASSERT_TRUE(ReadWholeFile("unidades/UNID-042.gmb", b));
    EXPECT_EQ(b.size(), 7u);
}

TEST(Arquivos, WrittenTextReplacesTheOldFileWhole) {
    PastaTemporaria pasta("escrita");
    ASSERT_TRUE(WriteTextLines("salvo.txt", {"1", "2"}));
    ASSERT_TRUE(WriteTextLines("SALVO.TXT", {"3"}));  // the same file, found by its other spelling
    EXPECT_EQ(leituracompleta("salvo.txt"), "3\r\n");
    EXPECT_FALSE(std::filesystem::exists("salvo.txt.tmp"));
}

TEST(Aleatorio, RangeAndDegenerateArguments) {
    RandSeed(7);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(Random(1), 0);
    int contagem[6] = {};
    for (int i = 0; i < 6000; i++) {
        int r = Random(6);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 6);
        contagem[r]++;
    }
    for (int c : contagem) EXPECT_GT(c, 800);  // every value comes up
}

TEST(Aleatorio, SameSeedSameSequence) {
    RandSeed(1234);
    std::vector<int> a, b;
    for (int i = 0; i < 20; i++) a.push_back(Random(1000));
    RandSeed(1234);
    for (int i = 0; i < 20; i++) b.push_back(Random(1000));
    EXPECT_EQ(a, b);
}

TEST(Sons, WaveCheckAcceptsPcmAndRefusesTheRest) {
    auto wav = [](uint16_t formato, uint16_t bits, uint32_t declarado, size_t real) {
        std::vector<uint8_t> b;
        auto p32 = [&](uint32_t v) { for (int i = 0; i < 4; i++) b.push_back(uint8_t(v >> (8 * i))); };
        auto p16 = [&](uint16_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); };
        for (char c : std::string("RIFF")) b.push_back(uint8_t(c));
        p32(36 + declarado);
        for (char c : std::string("WAVEfmt ")) b.push_back(uint8_t(c));
        p32(16); p16(formato); p16(1); p32(22050); p32(44100); p16(2); p16(bits);
        for (char c : std::string("data")) b.push_back(uint8_t(c));
        p32(declarado);
        b.resize(b.size() + real, 0);
        return b;
    };
    WaveItem w;
    std::string porque;
    EXPECT_TRUE(ParseWave(wav(1, 16, 100, 100), w, porque));
    EXPECT_EQ(w.samples, 50u);
    EXPECT_FALSE(ParseWave(wav(3, 32, 100, 100), w, porque));  // float samples: not PCM
    EXPECT_FALSE(ParseWave(wav(1, 16, 100000, 100), w, porque));  // ends early
    EXPECT_FALSE(ParseWave({'R', 'I', 'F', 'F'}, w, porque));
}

// A loud fight at the audio device: SDL's disk driver records what the game's mixing path (SDL_mixer's
// channels and the limiter behind them) hands the device, and no sample of it reaches full scale.
#include "media/limitador.h"
#include "media/media.h"
#include "media/sdl_interno.h"

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

void carrega(WaveList& lista, const std::string& nome) {
    std::ifstream f(std::string(VORLANDO_GAME_DIR) + "/" + nome, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::string porque;
    ASSERT_TRUE(ParseWave(bytes, lista.Add(), porque)) << nome << ": " << porque;
}

TEST(Mistura, ALoudFightNeverReachesFullScaleAtTheDevice) {
    const std::string saida = std::string(VORLANDO_GAME_DIR) + "/../mistura-luta.raw";
    std::filesystem::remove(saida);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", saida.c_str(), 1);
    WaveList musica{"musica", {}}, sons{"snd", {}};
    carrega(musica, "Musicas/Musica-06.wav");  // the final war, the loudest track
    // blades, clubs, slashes, arrows, explosions, quakes, burning and the demon: the battle's sounds
    const int luta[] = {34, 35, 36, 37, 38, 39, 27, 28, 31, 30, 32, 33, 43, 46};
    for (int n : luta) carrega(sons, std::string(n < 10 ? "Sons/Som-0" : "Sons/Som-") + std::to_string(n) + ".wav");
    ASSERT_TRUE(sdlabresom()) << SDL_GetError();
    musica.items[0].looped = true;
    sdltoca(musica, 0);
    // every sound of the fight at once, and again every tick for two seconds: far more than the game
    // ever asks for (it starts one effect and one voice a tick), so the sum passes full scale many times
    for (int t = 0; t < 60; t++) {
        for (int k = 0; k < (t == 0 ? int(sons.Count()) : 3); k++) sdltoca(sons, (t * 3 + k) % sons.Count());
        SDL_Delay(33);
    }
    SDL_Delay(300);
    sdlfechasom();
    unsetenv("SDL_DISKAUDIOFILE");
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    std::ifstream f(saida, std::ios::binary);
    std::vector<float> amostras;
    float v;
    while (f.read(reinterpret_cast<char*>(&v), sizeof v)) amostras.push_back(v);
    std::filesystem::remove(saida);
    // the device got two channels of floats, at least the two seconds played
    ASSERT_GT(amostras.size(), size_t(2 * 44100 * 2));
    float pico = 0;
    size_t altos = 0;
    for (float a : amostras) {
        ASSERT_TRUE(std::isfinite(a));
        pico = std::max(pico, std::fabs(a));
        altos += std::fabs(a) > 0.5f;
    }
    EXPECT_LE(pico, LIMITADORTETO + 1e-6f) << "the mix passed the ceiling";
    EXPECT_LT(pico, 1.0f) << "the mix reached full scale";
    // and the fight is loud at the device, not turned down to nothing
    EXPECT_GT(pico, 0.8f * LIMITADORTETO);
    EXPECT_GT(altos, amostras.size() / 100);
}

}  // namespace

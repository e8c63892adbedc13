// SDL events as the game hears them: auto-repeat, clicks in the letterbox bars, focus and the timer.
#include <gtest/gtest.h>

#include "media/media.h"
#include "media/sdl_eventos.h"

namespace {

struct Eventos : ::testing::Test {
    std::vector<int> teclas;
    std::vector<std::string> cliques;
    void SetUp() override {
        manipuladores = {};
        manipuladores.keydown = [this](int32_t vk) { teclas.push_back(vk); };
        manipuladores.mousedown = [this](BotaoMouse b, int32_t x, int32_t y) {
            cliques.push_back(std::string(b == BOTAOESQUERDO ? "E" : "D") + std::to_string(x) + "," + std::to_string(y));
        };
    }
    void TearDown() override {
        manipuladores = {};
        SetKeyHeld('A', false);
    }
    static SDL_Event tecla(SDL_Keycode k, bool repetida) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = k;
        e.key.repeat = repetida;
        return e;
    }
    static SDL_Event clique(int x, int y, Uint8 botao) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = botao;
        e.button.x = x;
        e.button.y = y;
        return e;
    }
};

}  // namespace

TEST_F(Eventos, AutoRepeatIsNotANewPress) {
    SdlEvent(tecla(SDLK_a, false));
    SdlEvent(tecla(SDLK_a, true));
    SdlEvent(tecla(SDLK_a, true));
    EXPECT_EQ(teclas, std::vector<int>{65});
    EXPECT_TRUE(KeyHeld('A'));
}

TEST_F(Eventos, ClicksInTheLetterboxBarsAreIgnored) {
    SdlEvent(clique(-3, 100, SDL_BUTTON_LEFT));
    SdlEvent(clique(100, 600, SDL_BUTTON_RIGHT));
    SdlEvent(clique(799, 599, SDL_BUTTON_RIGHT));
    SdlEvent(clique(10, 10, SDL_BUTTON_MIDDLE));
    EXPECT_EQ(cliques, std::vector<std::string>{"D799,599"});
}

TEST_F(Eventos, LosingFocusStopsTheTimerUntilItComesBack) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SdlEvent(e);
    EXPECT_FALSE(SdlWindowActive());
    e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    SdlEvent(e);
    EXPECT_TRUE(SdlWindowActive());
}

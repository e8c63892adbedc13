// Screenshots of the back buffer as PNG.
#include "media/media.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

bool SaveScreenshot(const std::string& path, std::string& why) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(backbuffer, LARGURATELA, ALTURATELA, 32, LARGURATELA * 4,
                                                        SDL_PIXELFORMAT_RGB888);
    if (!s) {
        why = SDL_GetError();
        return false;
    }
    std::string tmp = path + ".tmp";
    bool ok = IMG_SavePNG(s, tmp.c_str()) == 0;
    if (!ok) why = IMG_GetError();
    SDL_FreeSurface(s);
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
        why = "não foi possível gravar " + path;
        ok = false;
    }
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

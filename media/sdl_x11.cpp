// SDL back end, X11: is a window manager there to take full-screen requests? Without one, SDL's
// request moves the window but leaves its size, so the back end sizes the window itself.
#include "media/sdl_interno.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// A property naming a window that has gone answers with an error; it must not end the program.
int ignora(Display*, XErrorEvent*) { return 0; }

bool janelade(Display* d, Window w, Atom nome, Window& out) {
    Atom tipo = None;
    int formato = 0;
    unsigned long n = 0, resto = 0;
    unsigned char* dados = nullptr;
    int r = XGetWindowProperty(d, w, nome, 0, 1, False, XA_WINDOW, &tipo, &formato, &n, &resto, &dados);
    bool achou = r == Success && tipo == XA_WINDOW && formato == 32 && n == 1 && dados;
    if (achou) out = *reinterpret_cast<Window*>(dados);
    if (dados) XFree(dados);
    return achou;
}

}  // namespace

bool sdltemgerenciador(SDL_Window* janela) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(janela, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    Display* d = info.info.x11.display;
    // a running manager names a window of its own on the root, and that window names itself
    Atom verifica = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
    if (verifica == None) return false;
    XSync(d, False);
    auto antes = XSetErrorHandler(ignora);
    Window a = 0, b = 0;
    bool tem = janelade(d, DefaultRootWindow(d), verifica, a) && janelade(d, a, verifica, b) && a == b;
    XSync(d, False);
    XSetErrorHandler(antes);
    return tem;
}

#else
bool sdltemgerenciador(SDL_Window*) { return true; }
#endif

// The media layer: the back buffer every picture and text is drawn to, picture and sound lists,
// input events, the frame timer, files in the working folder and the random generator.
// It knows nothing about the game. Two back ends share it: SDL (a window, SDL_mixer) and headless
// (no window, no audio device, ticks back to back, sounds recorded). Only the back-end files include SDL.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Colours and pictures
// ---------------------------------------------------------------------------------------------

struct Cor {
    uint8_t r = 0, g = 0, b = 0;
};
inline constexpr uint32_t corpixel(Cor c) { return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }
inline constexpr Cor pixelcor(uint32_t p) { return Cor{uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)}; }
inline constexpr Cor BRANCO{255, 255, 255};
inline constexpr Cor PRETO{0, 0, 0};

// Off-screen bitmap: plain RGB pixels (0x00RRGGBB), row by row.
struct Bitmap {
    int32_t width = 0, height = 0;
    std::vector<uint32_t> pixels;
    void SetSize(int32_t w, int32_t h);          // contents become black
    Cor Pixel(int32_t x, int32_t y) const;         // black outside the bitmap
    void SetPixel(int32_t x, int32_t y, Cor c);    // ignored outside the bitmap
};

// One picture of an image list. Drawn whole; `transparent` skips pixels equal to `transparentcolor`.
struct ImageItem {
    Bitmap picture;
    std::string name;
    bool transparent = false;
    Cor transparentcolor = BRANCO;
    bool systemmemory = false;
    // Prepared by Restore: the key as a pixel, and per row the runs of drawn pixels.
    uint32_t key = 0x00FFFFFF;
    bool restored = false;
    std::vector<uint32_t> runs;      // pairs (start, length) of drawn pixels, all rows one after another
    std::vector<uint32_t> rowstart;  // index into runs of each row's first pair; height + 1 entries
};

// An ordered, growable list of pictures addressed by a zero-based index.
struct ImageList {
    std::vector<ImageItem> items;
    int32_t Count() const { return int32_t(items.size()); }
    ImageItem& Add();                             // appends an empty item and returns it
    ImageItem* Item(int32_t index);               // null outside 0..Count-1
    const ImageItem* Item(int32_t index) const;
    void Delete(int32_t index);                   // later items move down one place
    void Clear() { items.clear(); }
};
// Copies a bitmap into an item and sets its name and transparency, then restores it.
void SetItemPicture(ImageItem& item, const Bitmap& b, const std::string& name, bool transparent);
// Prepares an item for drawing after its picture or transparency changed.
void RestoreItem(ImageItem& item);

// Reads a .gmb picture (width line, height line, R,G,B column by column) from memory.
// Returns false with a reason in `why` for a non-numeric or absurd header (0 or more than 4096 on a
// side) or data that ends before its pixels; `used` receives the bytes consumed (for packs).
bool ParseGmb(const uint8_t* data, size_t size, Bitmap& out, std::string& why, size_t* used = nullptr);

// ---------------------------------------------------------------------------------------------
// The back buffer (800 x 600). Right and bottom edges are exclusive everywhere.
// ---------------------------------------------------------------------------------------------

inline constexpr int32_t LARGURATELA = 800;
inline constexpr int32_t ALTURATELA = 600;
extern uint32_t backbuffer[ALTURATELA][LARGURATELA];

void FillRect(Cor c, int32_t left, int32_t top, int32_t right, int32_t bottom);
// One-pixel outline; drawn only when left < right and top < bottom.
void FrameRect(Cor c, int32_t left, int32_t top, int32_t right, int32_t bottom);
void DrawItem(const ImageList& list, int32_t index, int32_t x, int32_t y);
void StretchItem(const ImageList& list, int32_t index, int32_t left, int32_t top, int32_t right, int32_t bottom);
// Scaled into the rectangle, each pixel mixed as src*alpha/255 + dst*(255-alpha)/255; alpha <= 0 draws nothing.
void BlendItem(const ImageList& list, int32_t index, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t alpha);
int32_t ItemWidth(const ImageList& list, int32_t index);   // 0 outside the list
int32_t ItemHeight(const ImageList& list, int32_t index);
Cor BackPixel(int32_t x, int32_t y);                         // black outside the buffer

// ---------------------------------------------------------------------------------------------
// Text: one serif face (TeX Gyre Pagella), sizes in points at 96 dots per inch, UTF-8 strings.
// A size's cell is round(size x 96 / 72) pixels high (13 at size 10); letters stand on whole
// pixels, without kerning, so the width of a text is the sum of its letters' widths.
// ---------------------------------------------------------------------------------------------

// Opens the font; false with a reason when the face file or the font library is missing.
bool InitText(std::string& why);
int32_t TextWidth(const std::string& text, int32_t size);
int32_t TextHeight(int32_t size);  // the cell
// Draws text with its cell's top-left corner at (x, y), transparent background; the character at
// 1-based position `letter`, if any, in colour `lettercolour` instead.
void TextOut(int32_t x, int32_t y, const std::string& text, int32_t size, Cor c, int32_t letter = 0,
             Cor lettercolour = {});
// The first `n` characters (not bytes) of a UTF-8 string, and the `k`-th (1-based) character.
std::string Utf8Prefix(const std::string& text, int32_t n);
std::string Utf8Char(const std::string& text, int32_t k);
int32_t Utf8Length(const std::string& text);

// ---------------------------------------------------------------------------------------------
// Sound: wave lists. A back end plays them; the headless one records what was asked.
// ---------------------------------------------------------------------------------------------

struct WaveItem {
    std::string name;
    std::vector<uint8_t> file;   // the whole validated .wav file; empty for a placeholder
    uint32_t samples = 0;        // length in sample frames
    int32_t rate = 0, channels = 0;
    bool looped = false;
    int32_t maxplayingcount = 0;
    std::shared_ptr<void> handle;  // the back end's prepared sound
};

struct WaveList {
    std::string tag;  // "snd" or "musica": the name the sound log uses
    std::vector<WaveItem> items;
    int32_t Count() const { return int32_t(items.size()); }
    WaveItem& Add();
    void Delete(int32_t index);  // stops it first
};

// Checks that bytes are a PCM .wav (8 or 16 bits, 1 or 2 channels) and fills the item; false with a reason otherwise.
bool ParseWave(const std::vector<uint8_t>& bytes, WaveItem& item, std::string& why);
void PlayWave(WaveList& list, int32_t index);            // from the start, without waiting
void StopWave(WaveList& list, int32_t index);            // every playing instance
void SetWaveLooped(WaveList& list, int32_t index, bool on);
void InitSound();                                        // (re)opens the output; waves become playable

// ---------------------------------------------------------------------------------------------
// Input. Virtual-key codes as Windows has them: letters 65..90, digits 48..57, Esc 27, Enter 13,
// Alt 18, Shift 16, Ctrl 17, Pause 19, arrows 37..40, F1..F12 112..123, minus 189, equals/plus 187.
// ---------------------------------------------------------------------------------------------

enum : int32_t {
    VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18, VK_PAUSE = 19, VK_ESCAPE = 27, VK_SPACE = 32,
    VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
    VK_F1 = 112, VK_F12 = 123, VK_OEM_PLUS = 187, VK_OEM_MINUS = 189,
};
enum BotaoMouse : int32_t { BOTAOESQUERDO = 0, BOTAODIREITO = 1 };

// What the game hears. Set by the game before the loop starts.
struct Manipuladores {
    std::function<void(int32_t vk)> keydown;
    std::function<void(BotaoMouse b, int32_t x, int32_t y)> mousedown;
    std::function<void(BotaoMouse b, int32_t x, int32_t y)> mouseup;
    std::function<void(int32_t x, int32_t y)> mousemove;
    std::function<void(int32_t vk)> keyup;  // after the held state dropped the key; the game itself needs none
    // The window was asked to close from outside (its frame's button, Alt+F4, the task bar). The game
    // calls QuitLoop to end, or keeps running (the window is then brought forward). Without a
    // handler the loop ends.
    std::function<void()> close;
    // The pointer left the window (false) or came back over it (true).
    std::function<void(bool inside)> pointerinside;
    std::function<void()> tick;  // the frame timer
};
extern Manipuladores manipuladores;

// The polled state, refreshed by UpdateInput: arrows, "Z" (button1), "X" (button2), Shift (button3).
struct EstadoEntrada {
    bool up = false, down = false, left = false, right = false;
    bool button1 = false, button2 = false, button3 = false;
};
extern EstadoEntrada entrada;
void UpdateInput();
// Which keys are held right now (kept by the back end from key events).
void SetKeyHeld(int32_t vk, bool held);
bool KeyHeld(int32_t vk);

// ---------------------------------------------------------------------------------------------
// Files. Two folders: the content (read-only data shipped with the program) and the player's own
// (what the program writes and what the player puts there). Both are the working folder "." until
// SetFolder says otherwise. Names use "/", are relative to their folder and are matched without
// regard to case.
// ---------------------------------------------------------------------------------------------

enum class Pasta { conteudo = 0, jogador = 1 };
void SetFolder(Pasta p, const std::string& caminho);
const std::string& Folder(Pasta p);
std::string FindFile(const std::string& name, Pasta p = Pasta::conteudo);  // the real path, or ""
bool FileExists(const std::string& name, Pasta p = Pasta::conteudo);
bool ReadWholeFile(const std::string& name, std::vector<uint8_t>& out, Pasta p = Pasta::conteudo);
// Writes text lines (CR LF) whole or not at all: a fresh temporary file (a leftover one is
// removed first), flushed to the disk with its folder around a rename over the old file.
bool WriteTextLines(const std::string& name, const std::vector<std::string>& lines, Pasta p = Pasta::jogador);

// ---------------------------------------------------------------------------------------------
// Random numbers: one generator. Random(n) is uniform in 0..n-1, and 0 for n <= 0.
// ---------------------------------------------------------------------------------------------

void RandSeed(uint64_t seed);
int32_t Random(int32_t n);

// ---------------------------------------------------------------------------------------------
// Display, timer and the loop, provided by the chosen back end.
// ---------------------------------------------------------------------------------------------

struct OpcoesVideo {
    bool fullscreen = false;
    int32_t scale = 0;     // 0: the largest 4:3 window that fits the usable desktop
    bool framed = false;   // the window manager's frame (title bar, borders); borderless otherwise
    const Bitmap* icon = nullptr;  // the window's icon, white transparent; none when null
};

enum class AberturaTela { ok, semtela, escalagrande };
// Opens the SDL window and audio; otherwise a reason in `why`: no display (semtela), or a whole
// scale that does not fit the usable desktop (escalagrande). Audio failing is not fatal.
AberturaTela OpenSdl(const OpcoesVideo& o, std::string& why);
// Runs the SDL event loop: events go to `manipuladores`; between ticks it sleeps until the next one
// is due (TimerInterval ms after the last) or an event comes. No tick fires while the window is not
// the active one; the last frame is painted again whenever the window shows it. Returns when
// QuitLoop was called.
void RunSdlLoop();
void SetTimerInterval(int32_t ms);
int32_t TimerInterval();
// Game time in ms: the timer periods of the ticks run so far. It moves only with the ticks, so a
// headless run and a recording played back see the same times as the window did.
void TickClock();                // once per tick, at its start: the last period (at least 1 ms) has gone by
int64_t GameTime();
void Present();                  // shows the back buffer (headless: nothing)
// Full screen letterboxed with the pointer held inside the screen, or back to the window's own size
// and place; either way the pointer stays over the same frame pixel.
void SetFullScreen(bool on);
// While off, the window's keys, buttons and pointer do not reach the game (a recording is playing).
void SetLiveInput(bool on);
void QuitLoop();                 // releases the pointer and ends the loop after this tick
bool QuitRequested();

// Headless back end: no window, no device; sounds go to a log (tick, list, index, action).
void OpenHeadless();
bool Headless();
void SetHeadlessTick(int32_t tick);
std::vector<std::string>& SoundLog();

// Writes the back buffer as an 800 x 600 PNG.
bool SaveScreenshot(const std::string& path, std::string& why);

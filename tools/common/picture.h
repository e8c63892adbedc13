// A generated picture: plain RGB, row by row, and the ways the generators draw and write one.
#pragma once
#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

struct Picture {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;  // row-major, 3 bytes a pixel
    Picture() = default;
    Picture(int width, int height, uint8_t r = 255, uint8_t g = 255, uint8_t b = 255);
    void set(int x, int y, uint8_t r, uint8_t g, uint8_t b);
    const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * w + x) * 3]; }
    bool iswhite(int x, int y) const { const uint8_t* p = at(x, y); return p[0] == 255 && p[1] == 255 && p[2] == 255; }
};

// A Cairo ARGB32 drawing surface of a fixed size.
struct Canvas {
    cairo_surface_t* surface;
    cairo_t* cr;
    int w, h;
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
};

// Turns a canvas into a sprite with the white colour key: pixels with alpha below `threshold` become
// exact white (transparent); the rest are un-premultiplied, made opaque and clamped to at most 254
// per channel so that no drawn pixel equals the key by accident.
Picture sprite_from_canvas(const Canvas& c, int threshold = 110);

// Turns a canvas into an opaque picture: composited over `bg`, clamped to 254 so no white appears.
Picture opaque_from_canvas(const Canvas& c, uint8_t bgr = 0, uint8_t bgg = 0, uint8_t bgb = 0);

// Adds a one-pixel dark outline around the opaque part of a sprite (keeps edges crisp against the key).
void outline_sprite(Picture& p, uint8_t r = 30, uint8_t g = 20, uint8_t b = 15);

// Mirrors a picture left to right.
Picture mirrored(const Picture& p);

// The .gmb format: width and height as decimal lines, then R,G,B bytes column by column.
std::vector<uint8_t> gmb_bytes(const Picture& p);
// Writes a file whole or not at all (temporary file, then rename). Creates missing folders.
bool write_file(const std::string& path, const std::vector<uint8_t>& bytes);
bool write_gmb(const std::string& path, const Picture& p);
// A pack is the .gmb records of a list one after another; the game keeps packs inside itself.
bool write_pack(const std::string& path, const std::vector<Picture>& pics);

// A contact sheet: every picture of a list on a grid with its index, as PNG, for review.
bool write_sheet(const std::string& path, const std::vector<Picture>& pics, const std::string& title, int scale = 1);

// Writes a picture as PNG (for review images).
bool write_png(const std::string& path, const Picture& p, int scale = 1);

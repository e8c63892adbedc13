// Generated pictures: Cairo surfaces to keyed sprites, .gmb files, packs and contact sheets.
#include "common/picture.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

Picture::Picture(int width, int height, uint8_t r, uint8_t g, uint8_t b) : w(width), h(height), rgb(size_t(width) * height * 3) {
    for (size_t i = 0; i < rgb.size(); i += 3) { rgb[i] = r; rgb[i + 1] = g; rgb[i + 2] = b; }
}

void Picture::set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
    p[0] = r; p[1] = g; p[2] = b;
}

Canvas::Canvas(int width, int height) : w(width), h(height) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr = cairo_create(surface);
}

Canvas::~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

static uint8_t clamp254(int v) { return uint8_t(std::clamp(v, 0, 254)); }

// Calls f(x, y, premultiplied ARGB pixel) for every pixel of a canvas.
template <typename F>
static void each_pixel(const Canvas& c, F f) {
    cairo_surface_flush(c.surface);
    const unsigned char* data = cairo_image_surface_get_data(c.surface);
    int stride = cairo_image_surface_get_stride(c.surface);
    for (int y = 0; y < c.h; y++) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < c.w; x++) f(x, y, row[x]);
    }
}

Picture sprite_from_canvas(const Canvas& c, int threshold) {
    Picture p(c.w, c.h);
    each_pixel(c, [&](int x, int y, uint32_t px) {
        int a = px >> 24;
        if (a < threshold) return;  // stays white: transparent
        // un-premultiply
        int r = ((px >> 16) & 255) * 255 / a, g = ((px >> 8) & 255) * 255 / a, b = (px & 255) * 255 / a;
        p.set(x, y, clamp254(r), clamp254(g), clamp254(b));
    });
    return p;
}

Picture opaque_from_canvas(const Canvas& c, uint8_t bgr, uint8_t bgg, uint8_t bgb) {
    Picture p(c.w, c.h);
    each_pixel(c, [&](int x, int y, uint32_t px) {
        int a = px >> 24;
        // premultiplied colour over the background
        int r = int((px >> 16) & 255) + bgr * (255 - a) / 255;
        int g = int((px >> 8) & 255) + bgg * (255 - a) / 255;
        int b = int(px & 255) + bgb * (255 - a) / 255;
        p.set(x, y, clamp254(r), clamp254(g), clamp254(b));
    });
    return p;
}

void outline_sprite(Picture& p, uint8_t r, uint8_t g, uint8_t b) {
    Picture src = p;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            if (!src.iswhite(x, y)) continue;
            bool edge = false;
            for (int d = 0; d < 4 && !edge; d++) {
                int nx = x + (d == 0) - (d == 1), ny = y + (d == 2) - (d == 3);
                if (nx >= 0 && ny >= 0 && nx < p.w && ny < p.h && !src.iswhite(nx, ny)) edge = true;
            }
            if (edge) p.set(x, y, r, g, b);
        }
}

Picture mirrored(const Picture& p) {
    Picture m(p.w, p.h);
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            const uint8_t* s = p.at(p.w - 1 - x, y);
            m.set(x, y, s[0], s[1], s[2]);
        }
    return m;
}

std::vector<uint8_t> gmb_bytes(const Picture& p) {
    std::string head = std::to_string(p.w) + "\r\n" + std::to_string(p.h) + "\r\n";
    std::vector<uint8_t> out(head.begin(), head.end());
    out.reserve(out.size() + p.rgb.size());
    for (int x = 0; x < p.w; x++)
        for (int y = 0; y < p.h; y++) {
            const uint8_t* s = p.at(x, y);
            out.insert(out.end(), s, s + 3);
        }
    return out;
}

bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary);
        if (!f) return false;
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!f) return false;
    }
    fs::rename(tmp, target, ec);
    return !ec;
}

bool write_gmb(const std::string& path, const Picture& p) { return write_file(path, gmb_bytes(p)); }

bool write_pack(const std::string& path, const std::vector<Picture>& pics) {
    std::vector<uint8_t> all;
    for (const Picture& p : pics) {
        std::vector<uint8_t> one = gmb_bytes(p);
        all.insert(all.end(), one.begin(), one.end());
    }
    return write_file(path, all);
}

static cairo_surface_t* surface_of(const Picture& p, int scale) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.w * scale, p.h * scale);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < p.h * scale; y++) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < p.w * scale; x++) {
            const uint8_t* c = p.at(x / scale, y / scale);
            row[x] = (uint32_t(c[0]) << 16) | (uint32_t(c[1]) << 8) | c[2];
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

bool write_png(const std::string& path, const Picture& p, int scale) {
    std::error_code ec;
    std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    cairo_surface_t* s = surface_of(p, std::max(1, scale));
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

bool write_sheet(const std::string& path, const std::vector<Picture>& pics, const std::string& title, int scale) {
    if (pics.empty()) return false;
    scale = std::max(1, scale);
    int cellw = 40, cellh = 20;
    for (const Picture& p : pics) { cellw = std::max(cellw, p.w * scale + 8); cellh = std::max(cellh, p.h * scale + 22); }
    int cols = std::max(1, std::min<int>(int(pics.size()), 1600 / cellw));
    int rows = (int(pics.size()) + cols - 1) / cols;
    Canvas c(cols * cellw, rows * cellh + 30);
    cairo_t* cr = c.cr;
    cairo_set_source_rgb(cr, 0.35, 0.38, 0.42);  // neutral grey so the white key shows as white
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 14);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, 6, 20);
    cairo_show_text(cr, title.c_str());
    cairo_set_font_size(cr, 11);
    for (size_t i = 0; i < pics.size(); i++) {
        int cx = int(i % cols) * cellw, cy = 30 + int(i / cols) * cellh;
        cairo_surface_t* s = surface_of(pics[i], scale);
        cairo_set_source_surface(cr, s, cx + 4, cy + 16);
        cairo_paint(cr);
        cairo_surface_destroy(s);
        cairo_set_source_rgb(cr, 1, 1, 0.6);
        cairo_move_to(cr, cx + 4, cy + 12);
        cairo_show_text(cr, std::to_string(i).c_str());
    }
    std::error_code ec;
    std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    return cairo_surface_write_to_png(c.surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

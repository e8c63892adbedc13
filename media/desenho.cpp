// Drawing on the back buffer: fills, outlines, keyed, stretched and blended pictures.
#include "media/media.h"

#include <algorithm>
#include <cstring>

uint32_t backbuffer[ALTURATELA][LARGURATELA];

void FillRect(Cor c, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, LARGURATELA);
    bottom = std::min(bottom, ALTURATELA);
    if (left >= right || top >= bottom) return;
    uint32_t px = corpixel(c);
    for (int32_t y = top; y < bottom; y++) std::fill(&backbuffer[y][left], &backbuffer[y][right], px);
}

void FrameRect(Cor c, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (left >= right || top >= bottom) return;
    FillRect(c, left, top, right, top + 1);
    FillRect(c, left, bottom - 1, right, bottom);
    FillRect(c, left, top, left + 1, bottom);
    FillRect(c, right - 1, top, right, bottom);
}

static const ImageItem* usable(const ImageList& list, int32_t index) {
    const ImageItem* it = list.Item(index);
    if (!it || it->picture.width <= 0 || it->picture.height <= 0) return nullptr;
    return it;
}

void DrawItem(const ImageList& list, int32_t index, int32_t x, int32_t y) {
    const ImageItem* it = usable(list, index);
    if (!it) return;
    const Bitmap& b = it->picture;
    // wholly off the screen (however far: the sums are taken wide) draws nothing
    if (x >= LARGURATELA || y >= ALTURATELA || int64_t(x) + b.width <= 0 || int64_t(y) + b.height <= 0) return;
    if (!it->restored) RestoreItem(const_cast<ImageItem&>(*it));
    int32_t y0 = std::max(0, -y), y1 = std::min(b.height, ALTURATELA - y);
    for (int32_t sy = y0; sy < y1; sy++) {
        const uint32_t* src = &b.pixels[size_t(sy) * b.width];
        uint32_t* dst = backbuffer[y + sy];
        for (uint32_t r = it->rowstart[size_t(sy)]; r < it->rowstart[size_t(sy) + 1]; r += 2) {
            int32_t s = int32_t(it->runs[r]), e = s + int32_t(it->runs[r + 1]);
            s = std::max(s, -x);
            e = std::min(e, LARGURATELA - x);
            if (s < e) std::memcpy(&dst[x + s], &src[s], size_t(e - s) * sizeof(uint32_t));
        }
    }
}

// Nearest-neighbour scaling of the whole picture into the rectangle; `mix` picks what a drawn pixel becomes.
template <typename Mix>
static void scaled(const ImageItem& it, int32_t left, int32_t top, int32_t right, int32_t bottom, Mix mix) {
    const Bitmap& b = it.picture;
    int32_t dw = right - left, dh = bottom - top;
    if (dw <= 0 || dh <= 0) return;
    int32_t x0 = std::max(left, 0), x1 = std::min(right, LARGURATELA);
    int32_t y0 = std::max(top, 0), y1 = std::min(bottom, ALTURATELA);
    for (int32_t y = y0; y < y1; y++) {
        int32_t sy = int32_t(int64_t(y - top) * b.height / dh);
        const uint32_t* src = &b.pixels[size_t(sy) * b.width];
        for (int32_t x = x0; x < x1; x++) {
            uint32_t p = src[int64_t(x - left) * b.width / dw];
            if (it.transparent && p == it.key) continue;
            backbuffer[y][x] = mix(p, backbuffer[y][x]);
        }
    }
}

void StretchItem(const ImageList& list, int32_t index, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const ImageItem* it = usable(list, index);
    if (!it) return;
    if (!it->restored) RestoreItem(const_cast<ImageItem&>(*it));
    scaled(*it, left, top, right, bottom, [](uint32_t s, uint32_t) { return s; });
}

// Each channel: src * alpha / 255 + dst * (255 - alpha) / 255.
static uint32_t blend(uint32_t s, uint32_t d, uint32_t a) {
    uint32_t r = (((s >> 16) & 255) * a + ((d >> 16) & 255) * (255 - a)) / 255;
    uint32_t g = (((s >> 8) & 255) * a + ((d >> 8) & 255) * (255 - a)) / 255;
    uint32_t b = ((s & 255) * a + (d & 255) * (255 - a)) / 255;
    return (r << 16) | (g << 8) | b;
}

void BlendItem(const ImageList& list, int32_t index, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t alpha) {
    if (alpha <= 0) return;
    const ImageItem* it = usable(list, index);
    if (!it) return;
    if (!it->restored) RestoreItem(const_cast<ImageItem&>(*it));
    uint32_t a = uint32_t(std::min(alpha, 255));
    scaled(*it, left, top, right, bottom, [a](uint32_t s, uint32_t d) { return blend(s, d, a); });
}

int32_t ItemWidth(const ImageList& list, int32_t index) {
    const ImageItem* it = list.Item(index);
    return it ? it->picture.width : 0;
}

int32_t ItemHeight(const ImageList& list, int32_t index) {
    const ImageItem* it = list.Item(index);
    return it ? it->picture.height : 0;
}

Cor BackPixel(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= LARGURATELA || y >= ALTURATELA) return PRETO;
    return pixelcor(backbuffer[y][x]);
}

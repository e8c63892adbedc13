// Off-screen bitmaps, image lists and the .gmb picture format.
#include "media/media.h"

#include <charconv>

void Bitmap::SetSize(int32_t w, int32_t h) {
    width = w < 0 ? 0 : w;
    height = h < 0 ? 0 : h;
    pixels.assign(size_t(width) * size_t(height), 0);
}

Cor Bitmap::Pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return PRETO;
    return pixelcor(pixels[size_t(y) * width + x]);
}

void Bitmap::SetPixel(int32_t x, int32_t y, Cor c) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[size_t(y) * width + x] = corpixel(c);
}

ImageItem& ImageList::Add() {
    items.emplace_back();
    return items.back();
}

ImageItem* ImageList::Item(int32_t index) {
    return index >= 0 && index < Count() ? &items[size_t(index)] : nullptr;
}

const ImageItem* ImageList::Item(int32_t index) const {
    return index >= 0 && index < Count() ? &items[size_t(index)] : nullptr;
}

void ImageList::Delete(int32_t index) {
    if (index >= 0 && index < Count()) items.erase(items.begin() + index);
}

void SetItemPicture(ImageItem& item, const Bitmap& b, const std::string& name, bool transparent) {
    item.picture = b;
    item.name = name;
    item.transparent = transparent;
    item.transparentcolor = BRANCO;
    item.systemmemory = false;
    RestoreItem(item);
}

// Runs of drawn pixels per row let a keyed blit copy spans instead of testing every pixel.
void RestoreItem(ImageItem& item) {
    const Bitmap& b = item.picture;
    item.key = corpixel(item.transparentcolor);
    item.runs.clear();
    item.rowstart.assign(size_t(b.height) + 1, 0);
    for (int32_t y = 0; y < b.height; y++) {
        item.rowstart[size_t(y)] = uint32_t(item.runs.size());
        const uint32_t* row = &b.pixels[size_t(y) * b.width];
        int32_t x = 0;
        while (x < b.width) {
            if (item.transparent) {
                while (x < b.width && row[x] == item.key) x++;
                if (x >= b.width) break;
            }
            int32_t start = x;
            while (x < b.width && !(item.transparent && row[x] == item.key)) x++;
            item.runs.push_back(uint32_t(start));
            item.runs.push_back(uint32_t(x - start));
        }
    }
    item.rowstart[size_t(b.height)] = uint32_t(item.runs.size());
    item.restored = true;
}

// One header line: digits (spaces around them allowed) ended by LF or CR LF.
static bool headerline(const uint8_t* data, size_t size, size_t& pos, int64_t& value) {
    size_t start = pos;
    while (pos < size && data[pos] != '\n') {
        if (pos - start > 32) return false;
        pos++;
    }
    if (pos >= size) return false;
    size_t end = pos++;
    while (end > start && (data[end - 1] == '\r' || data[end - 1] == ' ' || data[end - 1] == '\t')) end--;
    while (start < end && (data[start] == ' ' || data[start] == '\t')) start++;
    if (start == end) return false;
    const char* first = reinterpret_cast<const char*>(data + start);
    const char* last = reinterpret_cast<const char*>(data + end);
    auto [p, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && p == last;
}

bool ParseGmb(const uint8_t* data, size_t size, Bitmap& out, std::string& why, size_t* used) {
    size_t pos = 0;
    int64_t w = 0, h = 0;
    if (!headerline(data, size, pos, w) || !headerline(data, size, pos, h)) {
        why = "cabeçalho inválido";
        return false;
    }
    if (w < 1 || h < 1 || w > 4096 || h > 4096) {
        why = "tamanho absurdo (" + std::to_string(w) + " x " + std::to_string(h) + ")";
        return false;
    }
    size_t need = size_t(w) * size_t(h) * 3;
    if (size - pos < need) {
        why = "arquivo incompleto";
        return false;
    }
    out.SetSize(int32_t(w), int32_t(h));
    const uint8_t* p = data + pos;
    // column by column, each column from top to bottom
    for (int32_t x = 0; x < w; x++)
        for (int32_t y = 0; y < h; y++, p += 3) out.pixels[size_t(y) * w + x] = (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    if (used) *used = pos + need;
    return true;
}

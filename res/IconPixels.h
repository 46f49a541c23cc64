#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The application's icons as premultiplied ARGB pixels, row by row, drawn
// from res/icons/*.svg at build time.
struct IconPicture {
    int width;
    int height;
    const std::uint32_t* pixels;
};

struct IconPixels {
    const char* name; // the SVG file's name without extension
    IconPicture normal;
    IconPicture doubled; // for screens with two device pixels per unit
};

extern const IconPixels kIconPixels[];
extern const std::size_t kIconPixelsCount;

// The icon called name, or nullptr.
const IconPixels* FindIconPixels(std::string_view name);

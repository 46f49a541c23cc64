#include "IconPixels.h"

const IconPixels* FindIconPixels(std::string_view name)
{
    for (std::size_t i = 0; i < kIconPixelsCount; ++i)
        if (name == kIconPixels[i].name)
            return &kIconPixels[i];
    return nullptr;
}

// Any bytes at all through the TGA decoder.
#include "assets/texture.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedTGA image;
    if (DecodeTGA(data, size, image)) {
        const size_t expected = static_cast<size_t>(image.width) * image.height * (image.bpp / 8);
        if (image.pixels.size() != expected || expected + 18 > size) std::abort();
        if (image.bpp != 24 && image.bpp != 32) std::abort();
    } else if (!image.pixels.empty()) {
        std::abort();
    }
    return 0;
}

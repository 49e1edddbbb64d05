#include "platform/pixel_format_internal.h"

int PixelFormatAttempts(const PixelFormatRequest& request,
                        PixelFormatRequest attempts[MaxPixelFormatAttempts]) {
    // Depth 32 is rare (Mesa has none); 24 and 16 are everywhere.
    const int colors[3] = {request.colorBits, 24, 16};
    const int depths[3] = {request.depthBits, 24, 16};
    int count = 0;
    for (int color : colors) {
        for (int depth : depths) {
            bool seen = false;
            for (int i = 0; i < count; ++i)
                seen = seen || (attempts[i].colorBits == color && attempts[i].depthBits == depth);
            if (!seen && count < MaxPixelFormatAttempts - 1)
                attempts[count++] = PixelFormatRequest{color, depth, request.doubleBuffer};
        }
    }
    attempts[count++] = PixelFormatRequest{0, 0, request.doubleBuffer};
    return count;
}

void ChannelBitsForColor(int colorBits, int channels[4]) {
    // The colour bits count red, green and blue only, as on the desktop: 32 means 8 bits each.
    int red = 0;
    int green = 0;
    if (colorBits >= 24)
        red = green = 8;
    else if (colorBits >= 16)
        red = 5, green = 6;
    else if (colorBits >= 15)
        red = green = 5;
    channels[0] = red;
    channels[1] = green;
    channels[2] = red;
    channels[3] = 0;
}

// The order in which the window's pixel format falls back when the driver
// refuses the request: the game wants the closest format that exists.
#pragma once

#include "platform/platform.h"

// Room for every fallback of one request.
constexpr int MaxPixelFormatAttempts = 10;

// Fill attempts with the formats to try, best first; the last one has colour
// and depth 0, meaning the driver's own defaults. Returns how many were written.
int PixelFormatAttempts(const PixelFormatRequest& request,
                        PixelFormatRequest attempts[MaxPixelFormatAttempts]);

// The red, green, blue and alpha bits that stand for a colour depth.
void ChannelBitsForColor(int colorBits, int channels[4]);

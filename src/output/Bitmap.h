#pragma once
// Pictures that the user supplies (the L16 form pages, the report logo).

#include <string>

namespace lohn {

// Whether the file is a Windows bitmap that the picture loader can draw:
// the file and info headers, a positive size of at most 128 MiB of pixels,
// a usual colour depth with a compression that fits it (none, RLE8 with 8
// bits, RLE4 with 4, bit fields with 16 or 32; no JPEG or PNG inside) and
// pixel data within the file. Anything else is treated as no picture.
bool BitmapLesbar(const std::string& pfad);

}  // namespace lohn

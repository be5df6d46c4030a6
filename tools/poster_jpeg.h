#pragma once
// Posters for demo and store-scale film archives, drawn here and encoded as JPEG, and the
// check that a poster decodes as JPEG.
#include <cstdint>
#include <string>
#include <string_view>

namespace filmeria::demo {

// A poster of the given size: a gradient, a film reel and stripes in colours chosen by the
// seed. `grain` adds fine noise, which makes the file larger (store-scale posters).
std::string posterJpeg(std::uint64_t seed, int width, int height, int quality, bool grain);

} // namespace filmeria::demo

namespace filmeria {

// Whether the bytes decode completely as a JPEG image.
bool decodesAsJpeg(std::string_view bytes);

} // namespace filmeria

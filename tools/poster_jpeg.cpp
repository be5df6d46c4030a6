#include "tools/poster_jpeg.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace filmeria::demo {

std::string posterJpeg(std::uint64_t seed, int width, int height, int quality, bool grain) {
    std::uint64_t state = seed * 0x9E3779B97F4A7C15ULL + 1;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    const int hue[3] = {static_cast<int>(next() % 160) + 40, static_cast<int>(next() % 160) + 40,
                        static_cast<int>(next() % 160) + 40};
    const int reelX = width / 2;
    const int reelY = height * 2 / 5;
    const int reelR = width / 3;

    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                        static_cast<std::size_t>(x)) *
                                       3];
            const int shade = 255 - y * 200 / height;
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<unsigned char>(hue[c] * shade / 255);
            const int dx = x - reelX;
            const int dy = y - reelY;
            const int d2 = dx * dx + dy * dy;
            if (d2 < reelR * reelR && d2 > (reelR / 8) * (reelR / 8)) {
                // Five round windows in the reel, as on a film spool.
                bool hole = false;
                for (int k = 0; k < 5; ++k) {
                    const double angle = k * 2 * 3.14159265358979 / 5 - 3.14159265358979 / 2;
                    const int hx = static_cast<int>(reelR * 0.55 * std::cos(angle));
                    const int hy = static_cast<int>(reelR * 0.55 * std::sin(angle));
                    const int ex = dx - hx;
                    const int ey = dy - hy;
                    hole = hole || ex * ex + ey * ey < (reelR / 4) * (reelR / 4);
                }
                for (int c = 0; c < 3; ++c)
                    p[c] = static_cast<unsigned char>(hole ? p[c] / 3 : 235);
            }
            if (y % (height / 8 + 1) < 3 ||
                (y > height * 3 / 4 && (x / 12) % 2 == 0 && y < height * 3 / 4 + 10))
                p[0] = p[1] = p[2] = 30;
            if (grain) {
                const int n = static_cast<int>(next() % 64) - 32;
                for (int c = 0; c < 3; ++c)
                    p[c] = static_cast<unsigned char>(std::clamp(p[c] + n, 0, 255));
            }
        }
    }

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            &pixels[static_cast<std::size_t>(cinfo.next_scanline) * static_cast<std::size_t>(width) * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

} // namespace filmeria::demo

namespace filmeria {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}
void quiet(j_common_ptr) {}

} // namespace

bool decodesAsJpeg(std::string_view bytes) {
    if (bytes.empty())
        return false;
    jpeg_decompress_struct cinfo{};
    ErrorJump error{};
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onError;
    error.manager.output_message = quiet;
    std::vector<unsigned char> row;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    row.resize(static_cast<std::size_t>(cinfo.output_width) *
               static_cast<std::size_t>(cinfo.output_components));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW line = row.data();
        jpeg_read_scanlines(&cinfo, &line, 1);
    }
    // A file cut short is filled with grey by the library and reported as a warning.
    const bool complete = error.manager.num_warnings == 0;
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return complete;
}

} // namespace filmeria

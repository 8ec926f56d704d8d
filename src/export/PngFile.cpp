// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/PngFile.h"

#include <png.h>

TResult EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels, std::string& bytes)
{
    bytes.clear();
    if (width <= 0 || height <= 0
        || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return TResult::Failure("the picture has no pixels");
    std::vector<unsigned char> rgb;
    rgb.reserve(pixels.size() * 3);
    for (const std::uint32_t p : pixels)
        rgb.insert(rgb.end(), {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                               static_cast<unsigned char>(p)});
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    // The first call measures, the second writes.
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        return TResult::Failure("PNG: " + message);
    }
    bytes.resize(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        bytes.clear();
        return TResult::Failure("PNG: " + message);
    }
    bytes.resize(size);
    return TResult::Success();
}

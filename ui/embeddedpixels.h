#pragma once

#include <QImage>

#include <cstddef>
#include <span>
#include <string_view>

// Drawings rendered at build time by ui/tools/embedpixels.cpp, opaque over their whole box.
struct EmbeddedImage
{
    int width;
    int height;
    bool grey;                  // one byte a pixel; otherwise 0xffRRGGBB in the machine's order
    const unsigned char *bytes; // rows without padding
};

struct EmbeddedDrawing
{
    std::u16string_view name;
    const EmbeddedImage *images;
    std::size_t count;
};

// The images rendered from a drawing, one a size; empty for a name that was not rendered. The
// pictures are named by their resource path (":/pictures/picture1.svg"), the icon
// "icon/brenvola.svg".
std::span<const EmbeddedImage> embeddedPixels(std::u16string_view name);

// The pixels as an image, without a copy.
inline QImage imageOf(const EmbeddedImage &image)
{
    return QImage(image.bytes,
                  image.width,
                  image.height,
                  qsizetype{image.width} * (image.grey ? 1 : 4),
                  image.grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
}

#include "BitmapFiles.h"

#include <cstdint>

namespace orvane::chipgen {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int ColourTableSize = Palette::Size * 4;
constexpr int IconDirSize = 6;
constexpr int IconEntrySize = 16;
constexpr uint16_t BitsPerPixel = 8;
constexpr uint16_t IconType = 1;

void putU8(QByteArray& out, uint8_t v)
{
    out.append(static_cast<char>(v));
}

void putU16(QByteArray& out, uint16_t v)
{
    putU8(out, v & 0xff);
    putU8(out, v >> 8);
}

void putU32(QByteArray& out, uint32_t v)
{
    putU16(out, v & 0xffff);
    putU16(out, v >> 16);
}

int paddedRow(int bytes)
{
    return (bytes + 3) / 4 * 4;
}

int pixelBytes(const IndexedImage& image)
{
    return paddedRow(image.width) * image.height;
}

// The AND mask of an icon: one bit per pixel, rows padded to 4 bytes.
int iconMaskBytes(const IndexedImage& image)
{
    return paddedRow((image.width + 7) / 8) * image.height;
}

// BITMAPINFOHEADER, BI_RGB; a positive height means bottom-up rows.
void putInfoHeader(QByteArray& out, int width, int height, int imageBytes)
{
    putU32(out, InfoHeaderSize);
    putU32(out, width);
    putU32(out, height);
    putU16(out, 1); // planes
    putU16(out, BitsPerPixel);
    putU32(out, 0); // compression: none
    putU32(out, imageBytes);
    putU32(out, 0); // horizontal resolution: not given
    putU32(out, 0); // vertical resolution
    putU32(out, Palette::Size);
    putU32(out, 0); // all colours important
}

// RGBQUAD entries: blue, green, red, reserved.
void putColourTable(QByteArray& out, const Palette& palette)
{
    for (QRgb c : palette.entries()) {
        putU8(out, qBlue(c));
        putU8(out, qGreen(c));
        putU8(out, qRed(c));
        putU8(out, 0);
    }
}

void putPixelsBottomUp(QByteArray& out, const IndexedImage& image)
{
    const int padding = paddedRow(image.width) - image.width;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x)
            putU8(out, image.at(x, y));
        out.append(padding, '\0');
    }
}

} // namespace

QByteArray bmpFile(const IndexedImage& image, const Palette& palette)
{
    const int offset = FileHeaderSize + InfoHeaderSize + ColourTableSize;
    const int size = offset + pixelBytes(image);
    QByteArray out;
    out.reserve(size);
    out.append("BM");
    putU32(out, size);
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, offset);
    putInfoHeader(out, image.width, image.height, pixelBytes(image));
    putColourTable(out, palette);
    putPixelsBottomUp(out, image);
    return out;
}

QByteArray icoFile(const IndexedImage& image, const Palette& palette)
{
    const int imageBytes = pixelBytes(image) + iconMaskBytes(image);
    const int payload = InfoHeaderSize + ColourTableSize + imageBytes;
    QByteArray out;
    out.reserve(IconDirSize + IconEntrySize + payload);
    putU16(out, 0); // reserved
    putU16(out, IconType);
    putU16(out, 1); // one image
    // Directory entry; a size of 256 and a count of 256 colours are written as 0.
    putU8(out, image.width & 0xff);
    putU8(out, image.height & 0xff);
    putU8(out, 0);
    putU8(out, 0);  // reserved
    putU16(out, 1); // planes
    putU16(out, BitsPerPixel);
    putU32(out, payload);
    putU32(out, IconDirSize + IconEntrySize);
    // The bitmap's height counts the colour rows and the mask rows.
    putInfoHeader(out, image.width, image.height * 2, imageBytes);
    putColourTable(out, palette);
    putPixelsBottomUp(out, image);
    out.append(iconMaskBytes(image), '\0');
    return out;
}

} // namespace orvane::chipgen

// One decoded page picture. Loading never fails: a picture that cannot be
// read becomes a blank 8-bit picture of the size the page recorded.
// This header names no FreeImage type beyond the opaque bitmap, so that the
// Win32 layer can draw pictures without meeting FreeImage.h.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

struct FIBITMAP;

class ImagenException : public std::runtime_error {
public:
    ImagenException() : std::runtime_error("Image not loaded") {}
};

class Imagen {
public:
    // Takes ownership of `bitmap`, which may be null.
    explicit Imagen(FIBITMAP* bitmap);
    ~Imagen();
    Imagen(const Imagen&) = delete;
    Imagen& operator=(const Imagen&) = delete;

    // Decodes the picture file `path` (read through FileAccess::current(), the
    // format found from the name) or falls back to a blank picture.
    static std::unique_ptr<Imagen> load(const std::string& path, int32_t fallbackWidth,
                                        int32_t fallbackHeight);

    FIBITMAP* bitmap() const { return bitmap_; }
    // Width and height in pixels; 0 when there is no bitmap.
    uint32_t width() const;
    uint32_t height() const;
    // The Windows-compatible BITMAPINFO (header and colour table) and the
    // bottom-up pixel rows, for drawing; null when there is no bitmap.
    const void* info() const;
    const void* bits() const;

private:
    FIBITMAP* bitmap_;
};

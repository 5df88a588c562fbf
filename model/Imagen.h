// One decoded page picture. Loading never fails: a picture that cannot be
// read becomes a blank 8-bit picture of the size the page recorded.
// This header names no FreeImage type beyond the opaque bitmap, so that the
// Win32 layer can draw pictures without meeting FreeImage.h.
#pragma once

#include <cstddef>
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
    // Pictures beyond this many pixels are refused, whether decoded or blank,
    // so that a hostile file cannot make the editor allocate gigabytes.
    static constexpr uint64_t kMaxPixels = UINT64_C(100) * 1000 * 1000;

    // Takes ownership of `bitmap`, which may be null.
    explicit Imagen(FIBITMAP* bitmap);
    // A blank 8-bit picture of the given size, all pixels zero. Its pixels are
    // allocated when first asked for, so that a project file full of absurd
    // page sizes costs nothing until a page is shown. A size that is zero,
    // negative or beyond the pixel limit gives an Imagen without bitmap.
    static std::unique_ptr<Imagen> blank(int32_t width, int32_t height);
    ~Imagen();
    Imagen(const Imagen&) = delete;
    Imagen& operator=(const Imagen&) = delete;

    // Decodes the picture file `path` (read through FileAccess::current())
    // when its bytes are a PNG, whatever its name; anything else falls back
    // to a blank picture.
    static std::unique_ptr<Imagen> load(const std::string& path, int32_t fallbackWidth,
                                        int32_t fallbackHeight);
    // The same without the fallback: null when the file cannot be decoded.
    static std::unique_ptr<Imagen> decode(const std::string& path);
    // Reads only the start of the file: true when it is a PNG whose header
    // the decoder accepts and whose size is within the pixel limit. The
    // pixels may still turn out broken when decoded.
    static bool readSize(const std::string& path, uint32_t& width, uint32_t& height);
    // A size a picture may have: not empty and within the pixel limit.
    static bool sizeAcceptable(int64_t width, int64_t height);

    // The decoded picture; null when there is none (or a blank could not be
    // allocated).
    FIBITMAP* bitmap() const;
    // False when there is no picture at all: no decoded bitmap and no blank.
    bool hasPicture() const { return bitmap_ || blankWidth_ > 0; }
    // Width and height in pixels; 0 when there is no picture.
    uint32_t width() const;
    uint32_t height() const;
    // Bytes the decoded bitmap takes; 0 before a blank is allocated.
    size_t memorySize() const;
    // The Windows-compatible BITMAPINFO (header and colour table) and the
    // bottom-up pixel rows, for drawing; null when there is no bitmap.
    const void* info() const;
    const void* bits() const;

private:
    Imagen(int32_t blankWidth, int32_t blankHeight);

    mutable FIBITMAP* bitmap_;
    // Size of a blank picture not allocated yet; 0 otherwise.
    mutable uint32_t blankWidth_ = 0;
    mutable uint32_t blankHeight_ = 0;
};

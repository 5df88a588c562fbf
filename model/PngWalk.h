// A walk over the chunks of a PNG, fed the file's bytes in order, that keeps
// no pixels. Its structure part (the header chunk first, every chunk within
// the file, the data chunks together, the end chunk present) is what the
// decoder needs to be safe: a chunk that claims more bytes than the file has
// would make it allocate them. Read whole, it also checks every chunk's
// checksum and inflates the compressed data to its end, discarding it, so
// that a copy cut short or damaged is found without decoding the picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class InputFile;

class PngWalk {
public:
    enum class Depth { structure, whole };

    PngWalk(uint64_t fileSize, Depth depth);
    ~PngWalk();
    PngWalk(const PngWalk&) = delete;
    PngWalk& operator=(const PngWalk&) = delete;

    // Takes the next bytes of the file; false as soon as it is found broken.
    // Bytes after the end chunk are ignored, as the decoder ignores them.
    bool feed(const char* data, size_t size);
    // True once the end chunk was reached with nothing found broken.
    bool sound() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The structure of a PNG held in memory, checked before it is decoded.
bool pngStructureSound(const std::string& bytes);
// True when the file reads whole: streamed from `in`, never held at once.
bool pngReadsWhole(InputFile& in);
// The same for the file at `path`, through FileAccess::current().
bool pictureReadsWhole(const std::string& path);

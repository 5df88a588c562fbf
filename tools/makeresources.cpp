// makeresources <art folder> <output folder>
//
// Draws the pictures of the resource script from their art text (see
// ResourceArt.h for the format):
//   toolbar.txt  18 pictures of 16 x 15, side by side -> toolbar.bmp, and
//                the same on 16 x 16 squares enlarged with nearest neighbours
//                to 24 x 24 and 32 x 32 -> toolbar24.bmp, toolbar32.bmp
//   icon.txt     a 32 x 32 and a 16 x 16 picture      -> quenda.ico
//   cursors.txt  32 x 32 pictures with a hot spot     -> <name>.cur each
// Any fault in the art stops the build with the file, line and reason.
#include <cstdio>
#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "tools/ResourceArt.h"

namespace {

const int kToolbarImages = 18;
const int kToolbarImageWidth = 16;
const int kToolbarImageHeight = 15;
const int kCursorSize = 32;

struct Failure {
    std::string message;
};

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::vector<art::Picture> readArt(const std::string& path) {
    std::string text;
    if (!readWholeFile(FileAccess::current(), path, text))
        throw Failure{path + ": cannot read"};
    std::vector<art::Picture> pictures;
    std::string error;
    if (!art::parseArt(text, pictures, error))
        throw Failure{path + ": " + error};
    return pictures;
}

void writeOutput(const std::string& path, const std::string& bytes) {
    if (!writeFileSafely(FileAccess::current(), path, bytes))
        throw Failure{path + ": cannot write"};
}

void requireSize(const std::string& file, const art::Picture& picture, int width, int height) {
    if (picture.width != width || picture.height != height)
        throw Failure{file + ": picture " + picture.name + " must be " + std::to_string(width) +
                      "x" + std::to_string(height)};
}

// `image` on a square of kToolbarImageWidth (the missing rows in the
// buttons' grey) enlarged to size x size, each pixel taken from the nearest
// one: 32 doubles every pixel, 24 doubles every other one.
art::Picture enlargedSquare(const art::Picture& image, int size) {
    const int grey = art::colourOfLetter('.');
    art::Picture square = image;
    square.width = square.height = size;
    square.pixels.assign(size_t(size) * size, grey);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int fromX = x * kToolbarImageWidth / size, fromY = y * kToolbarImageWidth / size;
            if (fromY < image.height)
                square.pixels[size_t(y) * size + x] = image.at(fromX, fromY);
        }
    return square;
}

void makeToolbar(const std::string& artFolder, const std::string& outFolder) {
    std::string file = joinPath(artFolder, "toolbar.txt");
    std::vector<art::Picture> images = readArt(file);
    if (int(images.size()) != kToolbarImages)
        throw Failure{file + ": " + std::to_string(images.size()) + " pictures, expected " +
                      std::to_string(kToolbarImages)};
    for (const art::Picture& image : images) {
        requireSize(file, image, kToolbarImageWidth, kToolbarImageHeight);
        if (art::hasTransparency(image))
            throw Failure{file + ": picture " + image.name + " has transparent pixels"};
    }
    writeOutput(joinPath(outFolder, "toolbar.bmp"),
                art::encodeBitmap16(art::joinSideBySide(images, "toolbar")));
    for (int size : {24, 32}) {
        std::vector<art::Picture> enlarged;
        for (const art::Picture& image : images)
            enlarged.push_back(enlargedSquare(image, size));
        writeOutput(joinPath(outFolder, "toolbar" + std::to_string(size) + ".bmp"),
                    art::encodeBitmap16(art::joinSideBySide(enlarged, "toolbar")));
    }
}

void makeIcon(const std::string& artFolder, const std::string& outFolder) {
    std::string file = joinPath(artFolder, "icon.txt");
    std::vector<art::Picture> images = readArt(file);
    if (images.size() != 2)
        throw Failure{file + ": expected a 32x32 and a 16x16 picture"};
    requireSize(file, images[0], 32, 32);
    requireSize(file, images[1], 16, 16);
    writeOutput(joinPath(outFolder, "quenda.ico"), art::encodeIcon(images));
}

bool isPlainName(const std::string& name) {
    for (char letter : name) {
        bool plain = (letter >= 'a' && letter <= 'z') || (letter >= '0' && letter <= '9');
        if (!plain)
            return false;
    }
    return !name.empty();
}

void makeCursors(const std::string& artFolder, const std::string& outFolder) {
    std::string file = joinPath(artFolder, "cursors.txt");
    for (const art::Picture& cursor : readArt(file)) {
        requireSize(file, cursor, kCursorSize, kCursorSize);
        if (!isPlainName(cursor.name))
            throw Failure{file + ": cursor name " + cursor.name + " is not lower-case letters and digits"};
        if (cursor.hotspotX < 0)
            throw Failure{file + ": cursor " + cursor.name + " has no hot spot"};
        if (!art::isBlackWhiteOrClear(cursor))
            throw Failure{file + ": cursor " + cursor.name + " may use only k, w and -"};
        writeOutput(joinPath(outFolder, cursor.name + ".cur"), art::encodeCursor(cursor));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: makeresources <art folder> <output folder>\n");
        return 2;
    }
    try {
        makeToolbar(argv[1], argv[2]);
        makeIcon(argv[1], argv[2]);
        makeCursors(argv[1], argv[2]);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "makeresources: %s\n", failure.message.c_str());
        return 1;
    }
    return 0;
}

// Screening of picture bytes before they reach the PNG decoder. A project
// names its picture files freely, and the decoder believes the lengths a file
// announces: a chunk that claims two gigabytes in a file of a hundred bytes
// makes it allocate them, and compressed text or colour profiles inflate up
// to a thousandfold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The signature and the header chunk that every PNG starts with.
const size_t kPngHeaderBytes = 33;

// True when `bytes` start with the PNG signature.
bool hasPngSignature(const std::string& bytes);

// False when `bytes` are not a PNG or a chunk claims more bytes than follow
// it. Otherwise drops the chunks the editor never uses whose contents would
// be inflated (zTXt, iTXt, iCCP) and returns true; the pixels are untouched.
bool screenPngChunks(std::string& bytes);

// Reads the size from the first kPngHeaderBytes of a file. False unless they
// are the signature and a header chunk the decoder accepts: its checksum
// right, the size within the decoder's limits, a known colour type at a bit
// depth it allows.
bool parsePngHeader(const std::string& start, uint32_t& width, uint32_t& height);
// The same check when the size does not matter: true for the start of a
// picture the decoder would take.
bool hasPngHeader(const std::string& start);

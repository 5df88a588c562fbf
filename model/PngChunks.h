// Screening of picture bytes before they reach the PNG decoder. A project
// names its picture files freely, and the decoder believes the lengths a file
// announces: a chunk that claims two gigabytes in a file of a hundred bytes
// makes it allocate them, and compressed text or colour profiles inflate up
// to a thousandfold.
#pragma once

#include <cstddef>
#include <string>

// True when `bytes` start with the PNG signature.
bool hasPngSignature(const std::string& bytes);

// The signature and the IHDR chunk that must follow it.
const size_t kPngHeaderSize = 33;
// True when `bytes` start with the signature and a whole, intact IHDR chunk
// (its CRC checked) of a picture at least one pixel wide and high.
bool hasPngHeader(const std::string& bytes);

// False when `bytes` are not a PNG or a chunk claims more bytes than follow
// it. Otherwise drops the chunks the editor never uses whose contents would
// be inflated (zTXt, iTXt, iCCP) and returns true; the pixels are untouched.
bool screenPngChunks(std::string& bytes);

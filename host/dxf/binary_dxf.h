// Binary DXF: the same groups as DXF text, each a group code (one byte in
// R12 files, 255 then two bytes for larger codes; two bytes, little-endian,
// from R13 on) and a value in the size its code's type fixes (strings end
// in a zero byte, binary chunks start with their length).  The file starts
// with "AutoCAD Binary DXF\r\n\x1a\0".
//
// Binary files are read and written by translation from and to DXF text, so
// that the text reader and writer, with all their checks, do the rest.
#pragma once

#include <string>
#include <string_view>

namespace host::dxf {

// The DXF text of a binary file (isBinaryDxf() in tokenizer.h tells one).  False, with `error` saying why,
// when the sentinel is damaged or the data ends inside a group (naming the byte offset).
bool binaryToText(std::string_view binary, std::string& text, std::string& error);

// The binary form of DXF text written by this library (R13 and later:
// two-byte group codes).  A handle group holding text (group 5 or 105 away
// from a record's own handle) goes out as that text, as the text file
// has it.  False, with `error` saying where, when the text does not read
// as groups: then `binary` holds only what came before.
bool textToBinary(std::string_view text, std::string& binary, std::string* error = nullptr);

} // namespace host::dxf

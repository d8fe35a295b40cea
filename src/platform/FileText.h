#pragma once
// Text files as today's editors save them. The program's files are Windows-1252, but a learner's
// library, an import file or a dictionary export may come back from another editor as UTF-8 (with
// or without a byte-order mark) or as UTF-16. The readers take every file through here first.

#include <string>
#include <string_view>

namespace qor {

struct Cp1252FileText {
    std::string text;          // Windows-1252
    int unconvertibleLine = 0; // the first line (from 1) with a character the code page lacks; 0: none
};

// Recognises the file's encoding and converts it to Windows-1252:
//  - UTF-16, little or big endian, by its byte-order mark;
//  - UTF-8 by its byte-order mark, or without one when the bytes are valid UTF-8 and hold at least
//    one character of two or more bytes (Windows-1252 text with accents is practically never valid
//    UTF-8, and pure ASCII is the same in both);
//  - anything else is taken as Windows-1252 and stays as it is.
// A character outside Windows-1252, or a byte sequence that is broken in the encoding the file
// announces, gives its line and no text. Lines end at CR LF, a lone CR or a lone LF.
Cp1252FileText Cp1252FromFileBytes(std::string_view bytes);

// "Die Datei <file> enthält in Zeile <line> ein Zeichen, das nicht dargestellt werden kann."
std::string UnconvertibleCharacterMessage(std::string_view file, int line);

} // namespace qor

// pagepack: turns page sources (UTF-8 text) into the program's packed page files (Windows-1252,
// zlib stream) and back.
//
//   pagepack pack SOURCE TARGET      UTF-8 → Windows-1252 → zlib
//   pagepack unpack PACKED TARGET    zlib → Windows-1252 → UTF-8
//   pagepack store SOURCE TARGET     UTF-8 → Windows-1252, not compressed (exercise files)
//
// A character that Windows-1252 cannot hold stops the tool with the file and line.

#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <zlib.h>

namespace {

bool ReadFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    contents = buffer.str();
    return true;
}

// Converts line by line so that a failure can name its line.
bool ToCp1252(const std::string& source, const std::string& utf8, std::string& out) {
    std::size_t lineStart = 0;
    int line = 1;
    while (lineStart <= utf8.size()) {
        std::size_t lineEnd = utf8.find('\n', lineStart);
        std::size_t length = (lineEnd == std::string::npos ? utf8.size() : lineEnd + 1) - lineStart;
        bool lossless = true;
        out += qor::Cp1252FromUtf8(std::string_view(utf8).substr(lineStart, length), &lossless);
        if (!lossless) {
            std::cerr << source << ":" << line << ": character outside Windows-1252\n";
            return false;
        }
        if (lineEnd == std::string::npos)
            break;
        lineStart = lineEnd + 1;
        ++line;
    }
    return true;
}

bool Deflate(const std::string& in, std::string& out) {
    uLongf size = compressBound(static_cast<uLong>(in.size()));
    out.resize(size);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(in.data()),
                  static_cast<uLong>(in.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    out.resize(size);
    return true;
}

bool Inflate(const std::string& in, std::string& out) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    stream.avail_in = static_cast<uInt>(in.size());
    char chunk[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, sizeof chunk - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break;
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END;
}

int Usage() {
    std::cerr << "usage: pagepack pack|store|unpack SOURCE TARGET\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return Usage();
    std::string mode = argv[1], source = argv[2], target = argv[3];
    std::string input, output;
    if (!ReadFile(source, input)) {
        std::cerr << source << ": cannot read\n";
        return 1;
    }
    if (mode == "pack" || mode == "store") {
        std::string text;
        if (!ToCp1252(source, input, text))
            return 1;
        if (mode == "store")
            output = text;
        else if (!Deflate(text, output)) {
            std::cerr << source << ": cannot compress\n";
            return 1;
        }
    } else if (mode == "unpack") {
        std::string text;
        if (!Inflate(input, text)) {
            std::cerr << source << ": not a complete zlib stream\n";
            return 1;
        }
        output = qor::Utf8FromCp1252(text);
    } else {
        return Usage();
    }
    if (!qor::WriteFileAtomically(target, output)) {
        std::cerr << target << ": cannot write\n";
        return 1;
    }
    return 0;
}

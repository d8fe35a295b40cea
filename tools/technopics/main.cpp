// technopics FOLDER: writes the picture show's own pictures into FOLDER (made when missing).

#include "page/sources/JpegWriter.h"
#include "technopics/TechnoScenes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: technopics FOLDER\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path folder = argv[1];
    std::error_code error;
    fs::create_directories(folder, error);
    const std::vector<std::string> names = qor::technopics::SceneFileNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string bytes = qor::WriteJpeg(qor::technopics::PaintScene(static_cast<int>(i)), 88);
        std::ofstream out(folder / names[i], std::ios::binary);
        out << bytes;
        if (bytes.empty() || !out) {
            std::fprintf(stderr, "technopics: cannot write %s\n", (folder / names[i]).c_str());
            return 1;
        }
    }
    return 0;
}

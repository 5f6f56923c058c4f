// artgen: draws the guide's artwork and writes it as <AssetName>.<ext> files.
//   artgen <output-dir>   write every asset
//   artgen --list         print the catalogue without drawing
//   artgen --versions     print the versions of the libraries and the font files used

#include "assets.h"
#include "fonts.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    using namespace artgen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-dir> | --list | --versions\n", argv[0]);
        return 2;
    }
    try {
        const std::string arg = argv[1];
        if (arg == "--versions") {
            printLibraryVersions();
            return 0;
        }
        const AssetList assets = allAssets();
        if (arg == "--list") {
            for (const Asset& a : assets)
                std::printf("%-28s %-4s %4d x %-4d\n", (a.name + "." + extension(a.format)).c_str(),
                            formatName(a.format), a.width, a.height);
            return 0;
        }
        const std::filesystem::path dir(arg);
        std::filesystem::create_directories(dir);
        for (const Asset& a : assets) {
            const Bytes bytes = a.build();
            const std::filesystem::path file = dir / (a.name + "." + extension(a.format));
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            if (!out) throw std::runtime_error("cannot write " + file.string());
            std::printf("%-28s %-4s %4d x %-4d %7zu bytes\n", file.filename().string().c_str(),
                        formatName(a.format), a.width, a.height, bytes.size());
        }
        std::printf("%zu assets written to %s\n", assets.size(), dir.string().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}

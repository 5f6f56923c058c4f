// Writes a C++ source that holds files as byte arrays, so that the program
// carries its pictures and fonts and reads no file at run time.
//   embed <output.cpp> <function> <file>...
// defines std::span<const gv::EmbeddedFile> <function>() listing the files by
// their base names, in the order given.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: embed <output.cpp> <function> <file>...\n");
        return 2;
    }
    std::string out_text = "#include \"framework/EmbeddedFile.h\"\n\nnamespace {\n";
    std::vector<std::string> names;
    std::vector<std::size_t> sizes;
    for (int i = 3; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "embed: cannot read %s\n", argv[i]);
            return 1;
        }
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        out_text += "const unsigned char file" + std::to_string(i - 3) + "[] = {";
        for (std::size_t b = 0; b < bytes.size(); ++b) {
            if (b % 24 == 0) out_text += "\n";
            out_text += std::to_string(bytes[b]) + ",";
        }
        if (bytes.empty()) out_text += "0";
        out_text += "\n};\n";
        names.push_back(std::filesystem::path(argv[i]).filename().string());
        sizes.push_back(bytes.size());
    }
    out_text += "const gv::EmbeddedFile files[] = {\n";
    for (std::size_t i = 0; i < names.size(); ++i)
        out_text += "    { \"" + names[i] + "\", { file" + std::to_string(i) + ", " +
                    std::to_string(sizes[i]) + " } },\n";
    if (names.empty()) out_text += "    { \"\", {} },\n";
    // "ns::name" defines name inside namespace ns.
    std::string function = argv[2];
    std::string ns;
    if (auto colons = function.rfind("::"); colons != std::string::npos) {
        ns = function.substr(0, colons);
        function = function.substr(colons + 2);
    }
    out_text += "};\n}\n\n";
    if (!ns.empty()) out_text += "namespace " + ns + " {\n";
    out_text += "std::span<const gv::EmbeddedFile> " + function + "()\n{\n    return { files, " +
                std::to_string(names.size()) + " };\n}\n";
    if (!ns.empty()) out_text += "}\n";

    std::string path = argv[1];
    std::ofstream out(path + ".tmp", std::ios::binary);
    out << out_text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "embed: cannot write %s\n", argv[1]);
        return 1;
    }
    std::filesystem::rename(path + ".tmp", path);
    return 0;
}

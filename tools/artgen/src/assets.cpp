#include "assets.h"

#include <set>
#include <stdexcept>

namespace artgen {

const char* extension(Format f) {
    switch (f) {
    case Format::Jpeg:
        return "jpg";
    case Format::Gif:
        return "gif";
    case Format::Bmp:
        return "bmp";
    case Format::Ico:
        return "ico";
    case Format::Png:
        return "png";
    }
    return "";
}

const char* formatName(Format f) {
    switch (f) {
    case Format::Jpeg:
        return "JPEG";
    case Format::Gif:
        return "GIF";
    case Format::Bmp:
        return "BMP";
    case Format::Ico:
        return "ICO";
    case Format::Png:
        return "PNG";
    }
    return "";
}

static void checkSize(const std::string& name, int w, int h, int wantW, int wantH) {
    if (w != wantW || h != wantH)
        throw std::runtime_error(name + ": drawn " + std::to_string(w) + "x" + std::to_string(h) +
                                 ", declared " + std::to_string(wantW) + "x" + std::to_string(wantH));
}

Asset jpegAsset(std::string name, int width, int height, std::function<Image()> draw) {
    return { name, Format::Jpeg, width, height, [=] {
                const Image img = draw();
                checkSize(name, img.width, img.height, width, height);
                return encodeJpeg(img);
            } };
}

Asset gifAsset(std::string name, int width, int height, std::function<IndexedImage()> draw) {
    return { name, Format::Gif, width, height, [=] {
                const IndexedImage img = draw();
                checkSize(name, img.width, img.height, width, height);
                return encodeGif(img);
            } };
}

Asset bmpAsset(std::string name, int width, int height, std::function<Image()> draw) {
    return { name, Format::Bmp, width, height, [=] {
                const Image img = draw();
                checkSize(name, img.width, img.height, width, height);
                return encodeBmp24(img);
            } };
}

Asset pngAsset(std::string name, int width, int height, std::function<Image()> draw) {
    return { name, Format::Png, width, height, [=] {
                const Image img = draw();
                checkSize(name, img.width, img.height, width, height);
                return encodePng(img);
            } };
}

Asset icoAsset(std::string name, int width, int height, std::function<std::vector<IconEntry>()> draw) {
    return { name, Format::Ico, width, height, [=] {
                const std::vector<IconEntry> entries = draw();
                if (entries.empty()) throw std::runtime_error(name + ": icon without images");
                checkSize(name, entries.front().image.width, entries.front().image.height, width, height);
                return encodeIco(entries);
            } };
}

AssetList allAssets() {
    AssetList list;
    addSplashMainAssets(list);
    addSelectionAssets(list);
    addPagesAssets(list);
    addSecretsInfoAssets(list);
    std::set<std::string> seen;
    for (const Asset& a : list)
        if (!seen.insert(a.name).second) throw std::runtime_error("duplicate asset name: " + a.name);
    return list;
}

} // namespace artgen

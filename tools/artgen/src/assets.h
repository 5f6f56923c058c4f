// The asset catalogue: every file artgen writes, with its format and size.
#pragma once

#include "image.h"
#include "writers.h"

#include <functional>
#include <string>
#include <vector>

namespace artgen {

enum class Format { Jpeg, Gif, Bmp, Ico, Png };

const char* extension(Format f);
const char* formatName(Format f);

struct Asset {
    std::string name; // file name without extension
    Format format;
    int width; // for icons, the largest image
    int height;
    std::function<Bytes()> build;
};

using AssetList = std::vector<Asset>;

// The installed program's icon, in pixels; the build installs one file of each.
inline constexpr int kDesktopIconSizes[] = { 16, 32, 48, 64, 128, 256 };

// Wrappers check that the drawing has the declared size before encoding it.
Asset jpegAsset(std::string name, int width, int height, std::function<Image()> draw);
Asset gifAsset(std::string name, int width, int height, std::function<IndexedImage()> draw);
// Uncompressed 24-bit BMP, bottom-up, BI_RGB.
Asset bmpAsset(std::string name, int width, int height, std::function<Image()> draw);
// RGBA PNG with its alpha kept: the desktop's icons.
Asset pngAsset(std::string name, int width, int height, std::function<Image()> draw);
Asset icoAsset(std::string name, int width, int height, std::function<std::vector<IconEntry>()> draw);

// One registration function per screen group; add new groups to allAssets().
void addSplashMainAssets(AssetList& list);
void addSelectionAssets(AssetList& list);
void addPagesAssets(AssetList& list);
void addSecretsInfoAssets(AssetList& list);

AssetList allAssets();

} // namespace artgen

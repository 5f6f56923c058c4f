#include "AssetStore.h"

namespace gv {

const EmbeddedFile* AssetStore::file(std::string_view name) const {
    for (const EmbeddedFile& f : m_files) {
        auto dot = f.name.rfind('.');
        if (f.name.substr(0, dot) == name) return &f;
    }
    return nullptr;
}

const Bitmap* AssetStore::picture(std::string_view name) {
    if (auto it = m_pictures.find(name); it != m_pictures.end()) return it->second.get();
    const EmbeddedFile* f = file(name);
    if (!f) return nullptr;
    auto decoded = m_decoder.picture(f->bytes);
    if (!decoded) return nullptr;
    auto& slot = m_pictures[std::string(name)];
    slot = std::make_unique<Bitmap>(std::move(*decoded));
    return slot.get();
}

const std::vector<IconImage>* AssetStore::icon(std::string_view name) {
    if (auto it = m_icons.find(name); it != m_icons.end()) return &it->second;
    const EmbeddedFile* f = file(name);
    if (!f) return nullptr;
    auto images = m_decoder.icon(f->bytes);
    if (images.empty()) return nullptr;
    return &(m_icons[std::string(name)] = std::move(images));
}

} // namespace gv

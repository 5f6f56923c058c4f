// Screen: [building] controls from a layout, [hit testing], [painting] and
// [repainting] what changed.
#include "Screen.h"

#include "Twips.h"

#include <algorithm>

namespace gv {

namespace {
constexpr int kNone = -2;
}

// [building]

Status Screen::build(const ScreenDefinition& definition, PictureSource& pictures, FontProvider& fonts,
                     std::unique_ptr<Screen>& out) {
    auto screen = std::make_unique<Screen>(Key {});
    screen->m_definition = &definition;
    const auto records = definition.layout->controls;
    screen->m_controls.resize(records.size());
    if (!definition.layout->picture.empty()) {
        screen->m_background = pictures.picture(definition.layout->picture);
        if (!screen->m_background)
            return Status::failure("picture " + std::string(definition.layout->picture) +
                                   " could not be decoded");
    }

    for (std::size_t i = 0; i < records.size(); ++i) {
        const ControlRecord& rec = records[i];
        Control& c = screen->m_controls[i];
        c.record = &rec;
        c.visible = rec.visible;
        c.enabled = rec.enabled;
        if (!rec.parent.empty()) {
            c.parent = find_control(records, rec.parent);
            if (c.parent < 0 || c.parent >= int(i))
                return Status::failure(std::string(rec.name) + ": its parent " + std::string(rec.parent) +
                                       " is not an earlier control");
        }
        if (rec.kind == ControlKind::Timer) {
            screen->m_timers.push_back(int(i));
            continue;
        }

        auto& siblings_pictures =
            c.parent == kForm ? screen->m_top_pictures : screen->m_controls[c.parent].child_pictures;
        auto& siblings_labels =
            c.parent == kForm ? screen->m_top_labels : screen->m_controls[c.parent].child_labels;
        (rec.kind == ControlKind::PictureBox ? siblings_pictures : siblings_labels).push_back(int(i));

        const int border = rec.has_border() ? 1 : 0;
        c.rect = { twips_to_pixels(rec.left), twips_to_pixels(rec.top), twips_to_pixels(rec.width),
                   twips_to_pixels(rec.height) };

        if (rec.kind == ControlKind::PictureBox) {
            if (!rec.picture.empty()) {
                c.picture = pictures.picture(rec.picture);
                if (!c.picture)
                    return Status::failure("picture " + std::string(rec.picture) + " of " +
                                           std::string(rec.name) + " could not be decoded");
            }
            if (rec.auto_size == AutoSize::On && c.picture) {
                c.rect.width = c.picture->width() + 2 * border;
                c.rect.height = c.picture->height() + 2 * border;
            }
        } else {
            c.text = apply_mnemonics(rec.caption);
            if (!rec.caption.empty() || rec.auto_size == AutoSize::On) {
                c.font = fonts.font(rec.font);
                if (!c.font)
                    return Status::failure("no font can stand in for \"" + std::string(rec.font.face) +
                                           "\" on " + std::string(rec.name));
                if (rec.auto_size == AutoSize::On) {
                    c.rect.width = c.font->text_width(c.text.text) + 2 * border;
                    c.rect.height = c.font->line_height() + 2 * border;
                    c.lines = { TextLine { 0, int(c.text.text.size()), c.font->text_width(c.text.text) } };
                } else {
                    c.lines = wrap_text(*c.font, c.text.text, std::max(0, c.rect.width - 2 * border));
                }
            }
        }

        Point origin {};
        Rect parent_clip { -0x4000000, -0x4000000, 0x8000000, 0x8000000 };
        if (c.parent != kForm) {
            const Control& p = screen->m_controls[c.parent];
            origin = p.inner.origin();
            parent_clip = p.inner.intersected(p.visible_rect);
        }
        c.screen_rect = c.rect.translated(origin.x, origin.y);
        c.visible_rect = c.screen_rect.intersected(parent_clip);
        c.inner = c.screen_rect.shrunk(border);
    }
    out = std::move(screen);
    return Status::ok();
}

const Control* Screen::find(std::string_view name) const {
    for (const Control& c : m_controls)
        if (c.name() == name) return &c;
    return nullptr;
}

const Handler* Screen::handler_for(int control, Event event) const {
    for (const Handler& h : m_definition->handlers)
        if (h.control == control && h.event == event) return &h;
    return nullptr;
}

std::span<const int> Screen::pictures_of(int container) const {
    return container == kForm ? std::span<const int>(m_top_pictures) : m_controls[container].child_pictures;
}

std::span<const int> Screen::labels_of(int container) const {
    return container == kForm ? std::span<const int>(m_top_labels) : m_controls[container].child_labels;
}

// [hit testing]: the same order as painting, read from the top: within a
// container its picture controls lie above its labels, earlier records above
// later ones, and each control only counts inside its ancestors' inner areas.

int Screen::hit_children(int container, Point p) const {
    for (int i : pictures_of(container)) {
        const Control& c = m_controls[i];
        if (!c.visible || !c.visible_rect.contains(p)) continue;
        int inner = hit_children(i, p);
        return inner == kNone ? i : inner;
    }
    for (int i : labels_of(container)) {
        const Control& c = m_controls[i];
        if (c.visible && c.visible_rect.contains(p)) return i;
    }
    return kNone;
}

int Screen::control_at(Point p) const {
    int hit = hit_children(kForm, p);
    return hit == kNone ? kForm : hit;
}

// [painting]

void Screen::paint(Painter& painter, Rect region) const {
    PainterStateSaver saver(painter);
    painter.clip_to(region);
    if (painter.clip_is_empty()) return;
    const ScreenLayout& l = layout();
    // The form's own colour and picture show only where no opaque control
    // lies over them: every picture control, and labels with a back colour.
    std::vector<Rect> opaque;
    for (const auto* list : { &m_top_pictures, &m_top_labels })
        for (int i : *list) {
            const Control& c = m_controls[i];
            if (c.visible &&
                (c.kind() == ControlKind::PictureBox || c.record->back_style == BackStyle::Opaque))
                opaque.push_back(c.visible_rect);
        }
    const Rgb back = resolve(l.back_color);
    for_each_uncovered(painter.clip_in_local(), opaque, [&](Rect piece) {
        PainterStateSaver piece_saver(painter);
        painter.clip_to(piece);
        painter.fill_rect(piece, back);
        if (!l.picture.empty() && m_background) painter.draw_bitmap({ 0, 0 }, *m_background);
    });
    paint_children(painter, kForm);
}

void Screen::paint_children(Painter& painter, int container) const {
    const Rect clip = painter.clip_in_local();
    auto labels = labels_of(container);
    for (auto it = labels.rbegin(); it != labels.rend(); ++it) {
        const Control& c = m_controls[*it];
        if (c.visible && c.visible_rect.intersects(clip)) paint_label(painter, c);
    }
    auto pictures = pictures_of(container);
    for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
        const Control& c = m_controls[*it];
        if (c.visible && c.visible_rect.intersects(clip)) paint_picture_control(painter, c);
    }
}

void Screen::paint_picture_control(Painter& painter, const Control& c) const {
    PainterStateSaver saver(painter);
    painter.clip_to(c.screen_rect);
    {
        PainterStateSaver inner_saver(painter);
        painter.clip_to(c.inner);
        const Rgb back = resolve(c.record->back_color);
        if (c.picture) {
            const Rect covered { c.inner.x, c.inner.y, c.picture->width(), c.picture->height() };
            for_each_uncovered(c.inner, std::span(&covered, 1),
                               [&](Rect piece) { painter.fill_rect(piece, back); });
            painter.draw_bitmap(c.inner.origin(), *c.picture);
        } else {
            painter.fill_rect(c.inner, back);
        }
        paint_children(painter, int(&c - m_controls.data()));
    }
    if (c.record->has_border()) painter.draw_border(c.screen_rect);
}

void Screen::paint_label(Painter& painter, const Control& c) const {
    const ControlRecord& rec = *c.record;
    PainterStateSaver saver(painter);
    painter.clip_to(c.screen_rect);
    if (rec.back_style == BackStyle::Opaque) painter.fill_rect(c.screen_rect, resolve(rec.back_color));
    if (rec.has_border()) painter.draw_border(c.screen_rect);
    if (!c.font || c.text.text.empty()) return;
    painter.clip_to(c.inner);
    const Rgb color = resolve(rec.fore_color);
    int y = c.inner.y;
    std::vector<int> underlined;
    for (const TextLine& line : c.lines) {
        if (y >= c.inner.bottom()) break;
        int x = c.inner.x;
        if (rec.alignment == Alignment::Right)
            x = c.inner.right() - line.width;
        else if (rec.alignment == Alignment::Center)
            x = c.inner.x + (c.inner.width - line.width) / 2;
        underlined.clear();
        for (int u : c.text.underlined)
            if (u >= line.start && u < line.start + line.length) underlined.push_back(u - line.start);
        c.font->draw(painter, { x, y }, std::string_view(c.text.text).substr(line.start, line.length), color,
                     underlined);
        y += c.font->line_height();
    }
}

// [repainting]

void Screen::set_control_visible(int index, bool visible) {
    Control& c = m_controls[index];
    if (c.visible == visible) return;
    c.visible = visible;
    invalidate(c.visible_rect);
}

void Screen::invalidate(Rect r) {
    r = r.intersected(m_surface.rect());
    if (r.empty()) return;
    // Merge overlapping rectangles so no pixel is painted twice in one frame.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = m_dirty.begin(); it != m_dirty.end(); ++it) {
            if (it->intersects(r)) {
                r = r.united(*it);
                m_dirty.erase(it);
                merged = true;
                break;
            }
        }
    }
    m_dirty.push_back(r);
    if (m_dirty.size() > 16) {
        Rect all;
        for (Rect d : m_dirty) all = all.united(d);
        m_dirty = { all };
    }
}

void Screen::resize_surface(Size size) {
    if (size == m_surface.size()) return;
    m_surface = Bitmap(size.width, size.height);
    m_dirty.clear();
    invalidate_all();
}

std::span<const Rect> Screen::repaint() {
    m_presented.swap(m_dirty);
    m_dirty.clear();
    if (m_presented.empty()) return {};
    Painter painter(m_surface);
    for (Rect r : m_presented) paint(painter, r);
    return m_presented;
}

} // namespace gv

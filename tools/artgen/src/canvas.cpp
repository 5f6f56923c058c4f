#include "canvas.h"

#include "noise.h"
#include "rng.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace artgen {

Color mix(const Color& a, const Color& b, double t) {
    return { a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t };
}

Color scale(const Color& c, double k) {
    return { std::clamp(c.r * k, 0.0, 1.0), std::clamp(c.g * k, 0.0, 1.0), std::clamp(c.b * k, 0.0, 1.0),
             c.a };
}

Canvas::Canvas(int width, int height)
    : width_(width)
    , height_(height)
    , surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
    , cr_(cairo_create(surface_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo surface failed");
    // Unhinted outlines keep glyph shapes independent of the local FreeType setup.
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, fo);
    cairo_font_options_destroy(fo);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::setColor(const Color& c) {
    cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a);
}

void Canvas::fill(const Color& c) {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    setColor(c);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

static void addStops(cairo_pattern_t* p, const std::vector<Stop>& stops) {
    for (const Stop& s : stops)
        cairo_pattern_add_color_stop_rgba(p, s.offset, s.color.r, s.color.g, s.color.b, s.color.a);
}

void Canvas::setLinear(double x0, double y0, double x1, double y1, const std::vector<Stop>& stops) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStops(p, stops);
    cairo_set_source(cr_, p);
    cairo_pattern_destroy(p);
}

void Canvas::setRadial(double cx, double cy, double r0, double r1, const std::vector<Stop>& stops) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    addStops(p, stops);
    cairo_set_source(cr_, p);
    cairo_pattern_destroy(p);
}

void Canvas::fillRect(const Rect& r, const Color& c) {
    setColor(c);
    cairo_rectangle(cr_, r.x, r.y, r.w, r.h);
    cairo_fill(cr_);
}

void Canvas::roundedRectPath(const Rect& r, double radius) {
    radius = std::min({ radius, r.w / 2, r.h / 2 });
    const double pi = 3.14159265358979323846;
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, r.right() - radius, r.y + radius, radius, -pi / 2, 0);
    cairo_arc(cr_, r.right() - radius, r.bottom() - radius, radius, 0, pi / 2);
    cairo_arc(cr_, r.x + radius, r.bottom() - radius, radius, pi / 2, pi);
    cairo_arc(cr_, r.x + radius, r.y + radius, radius, pi, 3 * pi / 2);
    cairo_close_path(cr_);
}

void Canvas::bevel(const Rect& r, double depth, const Color& light, const Color& dark) {
    const double d = std::abs(depth);
    const Color& tl = depth > 0 ? light : dark;
    const Color& br = depth > 0 ? dark : light;
    // Top and left wedge.
    setColor(tl);
    cairo_move_to(cr_, r.x, r.y);
    cairo_line_to(cr_, r.right(), r.y);
    cairo_line_to(cr_, r.right() - d, r.y + d);
    cairo_line_to(cr_, r.x + d, r.y + d);
    cairo_line_to(cr_, r.x + d, r.bottom() - d);
    cairo_line_to(cr_, r.x, r.bottom());
    cairo_close_path(cr_);
    cairo_fill(cr_);
    // Bottom and right wedge.
    setColor(br);
    cairo_move_to(cr_, r.right(), r.bottom());
    cairo_line_to(cr_, r.x, r.bottom());
    cairo_line_to(cr_, r.x + d, r.bottom() - d);
    cairo_line_to(cr_, r.right() - d, r.bottom() - d);
    cairo_line_to(cr_, r.right() - d, r.y + d);
    cairo_line_to(cr_, r.right(), r.y);
    cairo_close_path(cr_);
    cairo_fill(cr_);
}

namespace {

uint8_t toByte(double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

} // namespace

void Canvas::stone(const Rect& r, const Color& base, uint64_t seed, double contrast, int cracks) {
    flush();
    const ValueNoise coarse(seed, 16), medium(seed ^ 0xA5A5A5A5ull, 32), fine(seed ^ 0x5A5A5A5A5Aull, 64);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const int x0 = std::max(0, static_cast<int>(r.x)), y0 = std::max(0, static_cast<int>(r.y));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(r.right())));
    const int y1 = std::min(height_, static_cast<int>(std::ceil(r.bottom())));
    Rng grain(seed * 31 + 7);
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = x0; x < x1; ++x) {
            const double n = 0.5 * coarse.at(x / 24.0, y / 24.0) + 0.3 * medium.at(x / 7.0, y / 7.0) +
                             0.2 * fine.at(x / 2.5, y / 2.5);
            const double k = 1.0 + contrast * (2 * n - 1) + 0.06 * (grain.unit() - 0.5);
            const uint32_t rr = toByte(base.r * k), gg = toByte(base.g * k), bb = toByte(base.b * k);
            row[x] = 0xFF000000u | (rr << 16) | (gg << 8) | bb;
        }
    }
    markDirty();
    // Cracks: a dark jagged line with a faint lit lip below it reads as carved.
    Rng rng(seed * 977 + 13);
    cairo_save(cr_);
    cairo_rectangle(cr_, r.x, r.y, r.w, r.h);
    cairo_clip(cr_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    for (int i = 0; i < cracks; ++i) {
        double x = rng.uniform(r.x, r.right()), y = rng.uniform(r.y, r.bottom());
        double angle = rng.uniform(0, 6.2831853);
        const int steps = rng.range(3, 7);
        const double step = std::max(2.0, std::min(r.w, r.h) * rng.uniform(0.15, 0.4));
        std::vector<std::pair<double, double>> pts { { x, y } };
        for (int s = 0; s < steps; ++s) {
            angle += rng.uniform(-0.9, 0.9);
            x += std::cos(angle) * step;
            y += std::sin(angle) * step;
            pts.push_back({ x, y });
        }
        for (int pass = 0; pass < 2; ++pass) {
            const double off = pass == 0 ? 0.8 : 0.0;
            for (size_t k = 0; k < pts.size(); ++k) {
                if (k == 0)
                    cairo_move_to(cr_, pts[k].first + off, pts[k].second + off);
                else
                    cairo_line_to(cr_, pts[k].first + off, pts[k].second + off);
            }
            setColor(pass == 0 ? Color { 1, 1, 1, 0.12 } : Color { 0, 0, 0, 0.45 });
            cairo_set_line_width(cr_, 0.8);
            cairo_stroke(cr_);
        }
    }
    cairo_restore(cr_);
}

double Canvas::textPath(const Font& font, double size, const std::string& text, const Rect& box,
                        HAlign align) {
    cairo_set_font_face(cr_, fontFace(font));
    cairo_set_font_size(cr_, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, text.c_str(), &ext);
    const double fit =
        std::min({ 1.0, ext.width > 0 ? box.w / ext.width : 1.0, ext.height > 0 ? box.h / ext.height : 1.0 });
    if (fit < 1.0) {
        size *= fit;
        cairo_set_font_size(cr_, size);
        cairo_text_extents(cr_, text.c_str(), &ext);
    }
    double x = box.cx() - (ext.x_bearing + ext.width / 2);
    if (align == HAlign::Left) x = box.x - ext.x_bearing;
    if (align == HAlign::Right) x = box.right() - (ext.x_bearing + ext.width);
    const double y = box.cy() - (ext.y_bearing + ext.height / 2);
    cairo_move_to(cr_, x, y);
    cairo_text_path(cr_, text.c_str());
    return size;
}

void Canvas::spacedTextPath(const Font& font, const std::string& text, const Rect& box, double minTracking,
                            double maxTracking) {
    cairo_set_font_face(cr_, fontFace(font));
    cairo_set_font_size(cr_, 100);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, text.c_str(), &ext);
    if (ext.height <= 0) return;
    cairo_set_font_size(cr_, 100 * box.h / ext.height);
    cairo_text_extents(cr_, text.c_str(), &ext);
    const int gaps = static_cast<int>(text.size()) - 1;
    const double room = box.w - ext.width;
    double squeeze = 1, tracking = gaps > 0 ? std::min(maxTracking, room / gaps) : 0;
    if (gaps > 0 && tracking < minTracking) {
        tracking = minTracking;
        squeeze = (box.w - minTracking * gaps) / ext.width;
    } else if (gaps == 0 && room < 0) {
        squeeze = box.w / ext.width;
    }
    const double inkWidth = ext.width * squeeze + tracking * gaps;
    cairo_save(cr_);
    cairo_translate(cr_, box.cx() - inkWidth / 2 - ext.x_bearing * squeeze,
                    box.cy() - (ext.y_bearing + ext.height / 2));
    cairo_scale(cr_, squeeze, 1);
    // Glyph by glyph, so the tracking goes between letters; the path keeps
    // the squeeze after the restore.
    double pen = 0;
    for (char ch : text) {
        const char glyph[2] = { ch, 0 };
        cairo_move_to(cr_, pen, 0);
        cairo_text_path(cr_, glyph);
        cairo_text_extents_t g;
        cairo_text_extents(cr_, glyph, &g);
        pen += g.x_advance + tracking / squeeze;
    }
    cairo_restore(cr_);
}

void Canvas::metallicText(const Font& font, double size, const std::string& text, const Rect& box,
                          HAlign align, const std::vector<Stop>& stops, const Color& outline,
                          double outlineWidth) {
    cairo_save(cr_);
    cairo_new_path(cr_);
    const double used = textPath(font, size, text, box, align);
    double ex0, ey0, ex1, ey1;
    cairo_path_extents(cr_, &ex0, &ey0, &ex1, &ey1);
    if (outlineWidth > 0) {
        setColor(outline);
        cairo_set_line_width(cr_, outlineWidth * 2);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr_);
        textPath(font, used, text, box, align);
    }
    setLinear(0, ey0, 0, ey1, stops);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void boxBlurAlpha(std::vector<float>& a, int w, int h, int radius) {
    if (radius <= 0) return;
    std::vector<float> tmp(a.size());
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int xx = x + k;
                    if (xx >= 0 && xx < w) s += a[static_cast<size_t>(y) * w + xx];
                }
                tmp[static_cast<size_t>(y) * w + x] = s * norm;
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = y + k;
                    if (yy >= 0 && yy < h) s += tmp[static_cast<size_t>(yy) * w + x];
                }
                a[static_cast<size_t>(y) * w + x] = s * norm;
            }
    }
}

void Canvas::glow(const PathFn& shape, const Color& color, int radius, double strength) {
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width_, height_);
    cairo_t* m = cairo_create(mask);
    cairo_matrix_t mtx;
    cairo_get_matrix(cr_, &mtx);
    cairo_set_matrix(m, &mtx);
    cairo_set_source_rgba(m, 0, 0, 0, 1);
    shape(m);
    cairo_destroy(m);
    cairo_surface_flush(mask);
    unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    std::vector<float> a(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            a[static_cast<size_t>(y) * width_ + x] = data[y * stride + x] / 255.0f;
    boxBlurAlpha(a, width_, height_, radius);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            data[y * stride + x] = toByte(a[static_cast<size_t>(y) * width_ + x] * strength);
    cairo_surface_mark_dirty(mask);
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    setColor(color);
    cairo_mask_surface(cr_, mask, 0, 0);
    cairo_restore(cr_);
    cairo_surface_destroy(mask);
}

void Canvas::glowText(const Font& font, double size, const std::string& text, const Rect& box, HAlign align,
                      const Color& fillColor, const Color& glowColor, int radius, double strength) {
    glow(
        [&](cairo_t* m) {
            cairo_save(cr_);
            cairo_new_path(cr_);
            textPath(font, size, text, box, align);
            cairo_path_t* path = cairo_copy_path(cr_);
            cairo_new_path(cr_);
            cairo_restore(cr_);
            cairo_append_path(m, path);
            cairo_path_destroy(path);
            cairo_set_line_width(m, 1.5);
            cairo_fill_preserve(m);
            cairo_stroke(m);
        },
        glowColor, radius, strength);
    cairo_save(cr_);
    cairo_new_path(cr_);
    textPath(font, size, text, box, align);
    setColor(fillColor);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void Canvas::flush() {
    cairo_surface_flush(surface_);
}
void Canvas::markDirty() {
    cairo_surface_mark_dirty(surface_);
}

Image Canvas::toImage() {
    flush();
    Image img(width_, height_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = row[x];
            const unsigned a = p >> 24;
            uint8_t* d = img.at(x, y);
            d[3] = static_cast<uint8_t>(a);
            if (a == 0) continue;
            // Undo cairo's premultiplication.
            d[0] = static_cast<uint8_t>(std::min(255u, (((p >> 16) & 0xFF) * 255 + a / 2) / a));
            d[1] = static_cast<uint8_t>(std::min(255u, (((p >> 8) & 0xFF) * 255 + a / 2) / a));
            d[2] = static_cast<uint8_t>(std::min(255u, ((p & 0xFF) * 255 + a / 2) / a));
        }
    }
    return img;
}

void Canvas::putImage(const Image& img) {
    if (img.width != width_ || img.height != height_) throw std::runtime_error("putImage: size mismatch");
    flush();
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const uint8_t* s = img.at(x, y);
            const unsigned a = s[3];
            auto pm = [a](unsigned v) { return (v * a + 127) / 255; };
            row[x] = (a << 24) | (pm(s[0]) << 16) | (pm(s[1]) << 8) | pm(s[2]);
        }
    }
    markDirty();
}

} // namespace artgen

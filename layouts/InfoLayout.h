#pragma once

#include "content/InfoPages.h"
#include "layouts/Fonts.h"
#include "layouts/Name.h"
#include "layouts/PanelLayout.h"

#include "framework/CaptionLayout.h"
#include "framework/Layout.h"

#include <array>
#include <span>

namespace grimveil::layouts {

// The contact, links and credits pages: rows of an orange name and a light
// grey remark beside it, on the panel.
namespace info_detail {
using namespace gv;

inline constexpr OleColor kOrange { 0x000080FF };
inline constexpr OleColor kLightGrey { 0x00E0E0E0 };

constexpr ControlRecord title(std::string_view asset, int width, int height, bool default_colours) {
    ControlRecord r = kPanel.title(asset, width, height);
    if (default_colours) {
        r.fore_color = kDefaultForeColor;
        r.back_color = kDefaultBackColor;
    }
    return r;
}

// Contact rows: boxes fitted to their text, opaque in the page's black.
constexpr ControlRecord contact_label(std::string_view name, int left, int top, int width,
                                      std::string_view caption, OleColor colour) {
    return { .kind = ControlKind::Label,
             .name = name,
             .left = left,
             .top = top,
             .width = width,
             .height = 240,
             .caption = caption,
             .font = kArial975Bold,
             .fore_color = colour,
             .back_color = { 0x00000000 },
             .back_style = BackStyle::Opaque,
             .auto_size = AutoSize::On };
}

// Links and credits rows: fixed Fixedsys boxes, transparent, that wrap at
// spaces and cut at their height.
constexpr ControlRecord fixed_label(std::string_view name, int left, int top, int width, int height,
                                    std::string_view caption, OleColor colour) {
    return { .kind = ControlKind::Label,
             .name = name,
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .caption = caption,
             .font = kFixedsys9,
             .fore_color = colour,
             .back_style = BackStyle::Transparent };
}

inline constexpr int kMargin = 120;
inline constexpr int kCell = 120;
inline constexpr int kPitch = 240;
inline constexpr int kOneLine = 255;

// One row of the links or credits page: its two labels' numbers and boxes.
struct FixedRow {
    int name_label;
    int name_width;
    int remark_label;
    int remark_width;
    int remark_height { kOneLine };
};

inline constexpr auto kLabelNames = [] {
    std::array<Name, 14> out {};
    for (int n = 1; n <= 14; ++n) out[n - 1] = Name { "Label", Decimal(n) };
    return out;
}();

// Places the rows from `first_top`, one every 240 twips and a row lower after
// a two-line remark; each remark starts where its name's text ends, so the
// colon follows the name without a gap. Emits the labels in `order`, with the
// close hot-spot where `order` names label 0.
template <std::size_t Rows, std::size_t Order>
constexpr auto fixed_rows(std::span<const content::InfoRow> content, const std::array<FixedRow, Rows>& rows,
                          int first_top, const std::array<int, Order>& order, ControlRecord title) {
    if (content.size() != Rows) throw "one content row for every row";
    std::array<ControlRecord, 2 * Rows> labels {};
    int top = first_top;
    for (std::size_t r = 0; r < Rows; ++r) {
        const FixedRow& row = rows[r];
        labels[2 * r] = fixed_label(kLabelNames[row.name_label - 1], kMargin, top, row.name_width, kOneLine,
                                    content[r].name, kOrange);
        labels[2 * r + 1] = fixed_label(kLabelNames[row.remark_label - 1],
                                        kMargin + kCell * displayed_length(content[r].name), top,
                                        row.remark_width, row.remark_height, content[r].remark, kLightGrey);
        top += row.remark_height > kOneLine ? 2 * kPitch : kPitch;
    }
    std::array<ControlRecord, Order + 1> out {};
    out[0] = title;
    for (std::size_t i = 0; i < Order; ++i) {
        if (order[i] == 0) {
            out[i + 1] = kPanel.close();
            continue;
        }
        std::size_t l = 0;
        while (labels[l].name != kLabelNames[order[i] - 1].view())
            if (++l == labels.size()) throw "a label in the layout order has no row";
        out[i + 1] = labels[l];
    }
    return out;
}

} // namespace info_detail

inline constexpr gv::ControlRecord kContact001Controls[] = {
    info_detail::title("Contact001_Picture1", 2475, 615, false),
    info_detail::contact_label("Label6", 840, 1440, 795, content::kContactRows[2].remark,
                               info_detail::kLightGrey),
    info_detail::contact_label("Label5", 480, 1200, 3270, content::kContactRows[1].remark,
                               info_detail::kLightGrey),
    info_detail::contact_label("Label4", 720, 960, 2325, content::kContactRows[0].remark,
                               info_detail::kLightGrey),
    info_detail::contact_label("Label3", 120, 1440, 690, content::kContactRows[2].name, info_detail::kOrange),
    info_detail::contact_label("Label2", 120, 1200, 345, content::kContactRows[1].name, info_detail::kOrange),
    info_detail::contact_label("Label1", 120, 960, 585, content::kContactRows[0].name, info_detail::kOrange),
    layouts::kPanel.close("ClickExit"),
};

inline constexpr auto kLinks001Controls =
    info_detail::fixed_rows(content::kLinkRows,
                            std::array<info_detail::FixedRow, 5> { { { 1, 735, 2, 3495 },
                                                                     { 3, 2655, 4, 5295 },
                                                                     { 5, 1455, 6, 2655 },
                                                                     { 7, 735, 8, 2895 },
                                                                     { 9, 735, 10, 2655 } } },
                            960, std::array { 10, 9, 8, 7, 6, 4, 2, 0, 1, 5, 3 },
                            info_detail::title("Links001_Picture1", 1830, 705, true));

inline constexpr auto kCredits001Controls =
    info_detail::fixed_rows(content::kCreditRows,
                            std::array<info_detail::FixedRow, 7> { { { 9, 1455, 1, 5415 },
                                                                     { 10, 495, 2, 5655 },
                                                                     { 7, 855, 4, 3735 },
                                                                     { 8, 2055, 11, 4935 },
                                                                     { 3, 1095, 5, 7455, 495 },
                                                                     { 6, 855, 12, 4815 },
                                                                     { 13, 855, 14, 8055, 495 } } },
                            840, std::array { 14, 13, 12, 6, 5, 3, 11, 10, 0, 9, 8, 7, 4, 2, 1 },
                            info_detail::title("Credits001_Picture1", 2325, 720, true));

inline constexpr Name kCredits001Caption { kPanel.caption.before_name, "Credits",
                                           kPanel.caption.before_version, "1.0.4", kPanel.caption.after };

// The contact page goes where the window system puts a new window; the links
// and credits pages, shown without an owner, come up centred.
inline constexpr gv::ScreenLayout kContact001Layout =
    kPanel.screen({ .name = "Contact001",
                    .caption = "Form1",
                    .controls = kContact001Controls,
                    .start_position = gv::StartPosition::WindowsDefault });
inline constexpr gv::ScreenLayout kLinks001Layout =
    kPanel.screen({ .name = "Links001",
                    .caption = "",
                    .controls = kLinks001Controls,
                    .start_position = gv::StartPosition::CenterOwner });
inline constexpr gv::ScreenLayout kCredits001Layout =
    kPanel.screen({ .name = "Credits001",
                    .caption = kCredits001Caption,
                    .controls = kCredits001Controls,
                    .start_position = gv::StartPosition::CenterOwner });

} // namespace grimveil::layouts

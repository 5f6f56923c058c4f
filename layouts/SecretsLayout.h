#pragma once

#include "content/Secrets.h"
#include "layouts/Fonts.h"
#include "layouts/Name.h"
#include "layouts/PanelLayout.h"
#include "layouts/Records.h"

#include "framework/Layout.h"

#include <array>
#include <span>

namespace grimveil::layouts {

namespace secrets_detail {
using namespace gv;

inline constexpr ControlRecord kNext =
    artwork("Next", 8280, 6480, 780, 255, "Secrets001_Next", AutoSize::On, Border::Single);
inline constexpr ControlRecord kPrevious =
    artwork("Previous", 6960, 6480, 1140, 255, "Secrets001_Previous", AutoSize::On, Border::Single);
inline constexpr ControlRecord kTitle = kSecretsPanel.title("Secrets001_imgSecrets", 3960, 840);

constexpr ControlRecord close_spot() {
    ControlRecord r = kSecretsPanel.close();
    r.fore_color = { 0x80000008 };
    return r;
}

// A one-pixel rule between two sections, reaching past the window's edge.
constexpr ControlRecord rule(std::string_view name, int top) {
    return { .kind = ControlKind::Label,
             .name = name,
             .left = 0,
             .top = top,
             .width = 10575,
             .height = 15,
             .fore_color = { 0x00FFFFFF },
             .back_color = { 0x8000000A },
             .back_style = BackStyle::Opaque };
}

// A paragraph in a fixed box: it wraps at spaces and is cut at the box's height.
constexpr ControlRecord paragraph(std::string_view name, int left, int top, int width, int height,
                                  std::string_view text) {
    return { .kind = ControlKind::Label,
             .name = name,
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .caption = text,
             .font = kArial825Bold,
             .fore_color = { 0x00FFFFFF },
             .back_style = BackStyle::Transparent };
}

using content::kSecretParagraphs;

} // namespace secrets_detail

// Page 1: five sections, each a heading picture and a paragraph beside it.
inline constexpr gv::ControlRecord kSecrets001Controls[] = {
    secrets_detail::kNext,
    secrets_detail::kPrevious,
    artwork("Picture6", 30, 4560, 2865, 435, "Secrets001_Picture6"),
    artwork("Picture5", 30, 1080, 2520, 435, "Secrets001_Picture5"),
    artwork("Picture3", 30, 2760, 3195, 435, "Secrets001_Picture3"),
    artwork("Picture2", 30, 3600, 2730, 435, "Secrets001_Picture2"),
    artwork("Picture1", 30, 1920, 4050, 435, "Secrets001_Picture1"),
    secrets_detail::kTitle,
    secrets_detail::close_spot(),
    secrets_detail::rule("Label9", 4200),
    secrets_detail::rule("Label8", 3360),
    secrets_detail::rule("Label7", 2520),
    secrets_detail::rule("Label6", 1680),
    secrets_detail::paragraph("Label5", 3000, 4320, 6225, 1095, secrets_detail::kSecretParagraphs[4]),
    secrets_detail::paragraph("Label4", 2880, 3480, 6345, 615, secrets_detail::kSecretParagraphs[3]),
    secrets_detail::paragraph("Label3", 3360, 2640, 5865, 615, secrets_detail::kSecretParagraphs[2]),
    secrets_detail::paragraph("Label2", 4200, 1800, 5025, 735, secrets_detail::kSecretParagraphs[1]),
    secrets_detail::paragraph("Label1", 2640, 960, 6465, 690, secrets_detail::kSecretParagraphs[0]),
};

// Pages 2 and 3: a heading and one code row every 360 twips. The rows' label
// names and their layout order are the pages' own, so both are data.
namespace secrets_detail {

inline constexpr int kCodePitch = 360;

template <std::size_t Rows> struct CodePage {
    std::array<int, Rows> labels_top_down; // label numbers, top row first
    std::array<int, Rows> layout_order;    // label numbers
    int first_top;
    std::span<const std::string_view> rows; // top row first
};

inline constexpr CodePage<15> kMiscCodePage {
    { 6, 8, 18, 20, 9, 11, 13, 7, 10, 12, 14, 15, 16, 17, 19 },
    { 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6 },
    1440,
    content::kMiscCodes,
};
inline constexpr CodePage<14> kStageCodePage {
    { 1, 2, 3, 4, 5, 21, 22, 23, 24, 25, 27, 28, 26, 29 },
    { 29, 1, 2, 3, 4, 5, 21, 22, 23, 24, 25, 26, 27, 28 },
    1680,
    content::kStageCodes,
};

inline constexpr auto kLabelNames = [] {
    std::array<Name, 30> out {};
    for (int n = 1; n <= 30; ++n) out[n - 1] = Name { "Label", Decimal(n) };
    return out;
}();

template <std::size_t Rows> constexpr auto code_page_controls(const CodePage<Rows>& page) {
    if (page.rows.size() != Rows) throw "one code for every row";
    std::array<ControlRecord, 5 + Rows> out { kTitle, kNext, kPrevious,
                                              artwork("Picture4", 120, 960, 2865, 420, "Secrets002_Picture4"),
                                              close_spot() };
    for (std::size_t i = 0; i < Rows; ++i) {
        std::size_t row = 0;
        while (page.labels_top_down[row] != page.layout_order[i])
            if (++row == Rows) throw "a label in the layout order has no row";
        out[5 + i] = { .kind = ControlKind::Label,
                       .name = kLabelNames[page.layout_order[i] - 1],
                       .left = 120,
                       .top = page.first_top + kCodePitch * int(row),
                       .height = 360,
                       .caption = page.rows[row],
                       .font = kFuturaT1575Medium,
                       .fore_color = { 0x00FFFFFF },
                       .back_style = BackStyle::Transparent,
                       .auto_size = AutoSize::On,
                       .alignment = Alignment::Center };
    }
    return out;
}

} // namespace secrets_detail

inline constexpr auto kSecrets002Controls = secrets_detail::code_page_controls(secrets_detail::kMiscCodePage);
inline constexpr auto kSecrets003Controls =
    secrets_detail::code_page_controls(secrets_detail::kStageCodePage);

inline constexpr Name kSecrets001Caption { kSecretsPanel.caption.before_name, "Basic Secrets",
                                           kSecretsPanel.caption.before_version, "1.0.0",
                                           kSecretsPanel.caption.after };
inline constexpr Name kSecrets002Caption { kSecretsPanel.caption.before_name, "Misc. Skirmal Kodes",
                                           kSecretsPanel.caption.before_version, "1.0.0",
                                           kSecretsPanel.caption.after };
inline constexpr Name kSecrets003Caption { kSecretsPanel.caption.before_name, "Stage Skirmal Kodes",
                                           kSecretsPanel.caption.before_version, "1.0.0",
                                           kSecretsPanel.caption.after };

inline constexpr gv::ScreenLayout kSecrets001Layout = kSecretsPanel.screen(
    { .name = "Secrets001", .caption = kSecrets001Caption, .controls = kSecrets001Controls });
inline constexpr gv::ScreenLayout kSecrets002Layout = kSecretsPanel.screen(
    { .name = "Secrets002", .caption = kSecrets002Caption, .controls = kSecrets002Controls });
inline constexpr gv::ScreenLayout kSecrets003Layout = kSecretsPanel.screen(
    { .name = "Secrets003", .caption = kSecrets003Caption, .controls = kSecrets003Controls });

} // namespace grimveil::layouts

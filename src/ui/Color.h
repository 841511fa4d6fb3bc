// Colours as pages store them: 0x00BBGGRR for a fixed colour, 0xFF0000nn for system colour nn,
// plus the two special values. Drawing code works in 0x00RRGGBB (see canvas/SystemColors.h).
#pragma once

#include <cstdint>

namespace apostila::ui {

using TColor = std::int32_t;  // stored as a 32-bit signed integer in definitions

inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0xFF000000u);
constexpr TColor systemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }
constexpr bool isSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                        clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                        clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                        clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                        clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;

inline constexpr TColor clScrollBar = systemColor(0), clBackground = systemColor(1),
                        clActiveCaption = systemColor(2), clInactiveCaption = systemColor(3),
                        clMenu = systemColor(4), clWindow = systemColor(5), clWindowFrame = systemColor(6),
                        clMenuText = systemColor(7), clWindowText = systemColor(8),
                        clCaptionText = systemColor(9), clActiveBorder = systemColor(10),
                        clInactiveBorder = systemColor(11), clAppWorkSpace = systemColor(12),
                        clHighlight = systemColor(13), clHighlightText = systemColor(14),
                        clBtnFace = systemColor(15), clBtnShadow = systemColor(16), clGrayText = systemColor(17),
                        clBtnText = systemColor(18), clInactiveCaptionText = systemColor(19),
                        clBtnHighlight = systemColor(20), cl3DDkShadow = systemColor(21),
                        cl3DLight = systemColor(22), clInfoText = systemColor(23), clInfoBk = systemColor(24),
                        clHotLight = systemColor(26), clGradientActiveCaption = systemColor(27),
                        clGradientInactiveCaption = systemColor(28), clMenuHighlight = systemColor(29),
                        clMenuBar = systemColor(30);

}  // namespace apostila::ui

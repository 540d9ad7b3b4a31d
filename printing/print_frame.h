#pragma once

#include "app/formulari.h"

namespace cinemoto {

constexpr std::uint32_t kPaperWhite = 0xFFFFFFFF;
constexpr std::uint32_t kInkBlack = 0xFF000000;
constexpr std::uint32_t kScreenBlue = 0xFF0000FF;

// Asks whether the printer is ready; true when the pupil answers Yes.
bool confirmPrinting(Formulari &main);

} // namespace cinemoto

#pragma once

#include <cstdint>

namespace platform {

// A colour as 0xRRGGBB, as the design tables write it (&cRRGGBB).
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
  return (static_cast<Color>(red & 0xFF) << 16) | (static_cast<Color>(green & 0xFF) << 8) |
         static_cast<Color>(blue & 0xFF);
}

}  // namespace platform

// The periodic table's fixed data: one record per element tile, with the texts the
// information area shows and the tile's place in the 9 by 18 grid of the window.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zova {

inline constexpr int kElementCount = 109;
inline constexpr int kGridRows = 9;  // periods 1-7, lanthanides in 8, actinides in 9
inline constexpr int kGridColumns = 18;

struct Element {
  std::string_view symbol;     ///< chemical symbol as shown
  std::string_view name;       ///< element name
  std::string_view mass;       ///< atomic mass exactly as shown (trailing zeros kept)
  std::int16_t number;         ///< atomic number
  std::string_view electrons;  ///< outer electron configuration, subshells two blanks apart
  int row;                     ///< grid row, 1..kGridRows
  int column;                  ///< grid column, 1..kGridColumns
  std::string_view tile;       ///< the tile's name: the symbol, except "Va" for vanadium
};

/// All elements by atomic number: kElements[z - 1].number == z.
extern const std::array<Element, kElementCount> kElements;

/// The element with exactly this symbol ("V" is vanadium), or nullptr.
const Element* findElement(std::string_view symbol);

}  // namespace zova

// Button and menu captions as plain text, for the help page and the
// command line's JSON.
#pragma once

#include <string>
#include <string_view>

namespace zova {

/// The caption without its access-key marker: "C&onstants" reads "Constants";
/// "&&" stands for one "&".
inline std::string withoutAccessKey(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') continue;
    out += caption[i];
  }
  return out;
}

}  // namespace zova

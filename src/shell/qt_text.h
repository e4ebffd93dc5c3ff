// The model's UTF-8 texts as Qt strings, for every window and panel.
#pragma once

#include <QString>
#include <string_view>

namespace zova {

inline QString q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace zova

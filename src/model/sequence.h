// Key sequences in the command-line notation ("2,+,3,X,4,="): parsed whole
// first, so a bad token changes nothing, then run on a model.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace zova {

struct SequenceError {
  std::size_t position = 0;  ///< 1-based token number
  std::string token;
  std::string reason;
  std::string message() const;
};

using Step = std::function<void(Model&)>;

struct ParsedSequence {
  std::vector<Step> steps;
  std::optional<SequenceError> error;
};

ParsedSequence parseSequence(std::string_view sequence);
/// Parses and, when every token is good, runs the sequence.
std::optional<SequenceError> runSequence(Model& model, std::string_view sequence);

}  // namespace zova

// Key sequences in the command-line notation ("2,+,3,X,4,="): parsed whole
// first, so a bad token changes nothing, then run on a model.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
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

/// What an action token gives its row: the name as written, VALUE and the slot.
struct ActionInput {
  std::string_view name;  ///< the action without its slot number ("Length", "drop")
  std::string value;      ///< VALUE with its escapes read; "" for an action without one
  int slot = 0;           ///< a numbered action's number (molar:drop2 is 2), else 0
  int choice = 0;         ///< for a VALUE of choices ("on|off"), which one: 0 the first
};

/// One panel, window or menu action of the sequence notation, area:name or
/// area:name=VALUE. The sequence reader and --help both read these rows.
struct ActionRow {
  std::string area;                ///< before the colon: "stat", "conv", "menu"
  std::vector<std::string> names;  ///< the names it takes; several for a panel's own table
  int numbered = 0;                ///< N for the numbered actions name1 ... nameN, else 0
  /// VALUE as --help writes it: "I", "TEXT", or the choices it takes ("on|off"); "" for none.
  std::string value;
  /// --help's words for this row and the rows before it that have none.
  std::string help;
  /// The step; nullopt for a VALUE the action does not take.
  std::function<std::optional<Step>(const ActionInput&)> step;
};
/// Every panel, window and menu action, in the order --help lists them.
std::span<const ActionRow> actionTable();

struct ParsedSequence {
  std::vector<Step> steps;
  std::optional<SequenceError> error;
};

ParsedSequence parseSequence(std::string_view sequence);
/// Parses and, when every token is good, runs the sequence.
std::optional<SequenceError> runSequence(Model& model, std::string_view sequence);

}  // namespace zova

// The command-line key notation: numbers typed digit by digit, key names
// from the key table.
#include "model/sequence.h"

#include <cctype>

#include "engine/keys.h"

namespace zova {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool isNumberToken(std::string_view t) {
  int digits = 0, points = 0;
  for (char c : t) {
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.')
      ++points;
    else
      return false;
  }
  return digits > 0 && points <= 1;
}

std::optional<Step> parseToken(std::string_view t, std::string& reason) {
  if (t.empty()) {
    reason = "empty token";
    return std::nullopt;
  }
  if (const KeyRow* row = findKey(t)) {
    const Key k = row->key;
    return Step([k](Model& m) { m.press(k); });
  }
  if (isNumberToken(t)) {
    std::vector<Key> keys;
    for (char c : t) keys.push_back(c == '.' ? Key::Point : static_cast<Key>(c - '0'));
    return Step([keys](Model& m) {
      for (Key k : keys) m.press(k);
    });
  }
  reason = t.find(':') != std::string_view::npos ? "unknown action" : "unknown key name";
  return std::nullopt;
}

}  // namespace

std::string SequenceError::message() const {
  return "zova: " + reason + " \"" + token + "\" at token " + std::to_string(position);
}

ParsedSequence parseSequence(std::string_view sequence) {
  ParsedSequence out;
  if (trim(sequence).empty()) return out;
  std::size_t position = 0;
  while (true) {
    const std::size_t comma = sequence.find(',');
    const std::string_view token = trim(sequence.substr(0, comma));
    ++position;
    std::string reason;
    auto step = parseToken(token, reason);
    if (!step) {
      out.steps.clear();
      out.error = SequenceError{position, std::string(token), reason};
      return out;
    }
    out.steps.push_back(std::move(*step));
    if (comma == std::string_view::npos) break;
    sequence.remove_prefix(comma + 1);
  }
  return out;
}

std::optional<SequenceError> runSequence(Model& model, std::string_view sequence) {
  ParsedSequence parsed = parseSequence(sequence);
  if (parsed.error) return parsed.error;
  for (const Step& step : parsed.steps) step(model);
  return std::nullopt;
}

}  // namespace zova

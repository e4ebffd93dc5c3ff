// The headless toolkit: answers dialogs from queued answers, else cancels.
#include "model/toolkit.h"

namespace zova {

namespace {
template <class T>
std::optional<T> takeFirst(std::vector<T>& queue) {
  if (queue.empty()) return std::nullopt;
  T front = queue.front();
  queue.erase(queue.begin());
  return front;
}
}  // namespace

MsgAnswer HeadlessToolkit::messageBox(const Text& text, MsgStyle style, const std::string& title) {
  messages.push_back({english(text), style, title});
  if (auto a = takeFirst(messageAnswers)) return *a;
  return style == MsgStyle::kQuestion ? MsgAnswer::kNo : MsgAnswer::kOk;
}

std::string HeadlessToolkit::inputBox(const std::string& prompt, const std::string&) {
  inputPrompts.push_back(prompt);
  return takeFirst(inputAnswers).value_or("");
}

std::optional<FileChoice> HeadlessToolkit::fileDialog(const std::string&, const std::string&,
                                                      const std::string&, bool) {
  return takeFirst(fileAnswers);
}

std::optional<std::int32_t> HeadlessToolkit::colorDialog(std::int32_t) {
  return takeFirst(colorAnswers);
}

}  // namespace zova

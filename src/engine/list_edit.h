// One edit of a long list (the statistics items, the paper tape), kept so that
// the edit can be taken back and made again without a copy of the list: the
// undo history holds these for the lists whose copy would cost more than the edit.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace zova {

/// An item inserted or erased at an index, or the whole list replaced. The edit
/// holds what is not in the list: an inserted item once taken back, an erased
/// item until taken back, the list not in force. Taking back and making again
/// move these between the list and the edit.
template <class List>
struct ListEdit {
  enum class Kind { kInsert, kErase, kReplace };
  Kind kind = Kind::kInsert;
  std::size_t index = 0;
  typename List::value_type item{};
  /// Only a replacement holds a list (an empty deque still allocates). Held by
  /// pointer so that an edit moves without throwing: the edits' vector then moves
  /// them when it grows instead of copying them.
  std::unique_ptr<List> other{};
};

template <class List>
using ListEdits = std::vector<ListEdit<List>>;

namespace detail {

template <class List>
void takeOut(List& list, ListEdit<List>& e) {
  const auto at = list.begin() + static_cast<std::ptrdiff_t>(e.index);
  e.item = std::move(*at);
  list.erase(at);
}

template <class List>
void putBack(List& list, ListEdit<List>& e) {
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(e.index), std::move(e.item));
  e.item = {};
}

}  // namespace detail

/// Takes back the edits, the last first.
template <class List>
void undoEdits(List& list, ListEdits<List>& edits) {
  for (auto e = edits.rbegin(); e != edits.rend(); ++e) {
    if (e->kind == ListEdit<List>::Kind::kInsert)
      detail::takeOut(list, *e);
    else if (e->kind == ListEdit<List>::Kind::kErase)
      detail::putBack(list, *e);
    else
      std::swap(list, *e->other);
  }
}

/// Makes the edits again, in the order they were made.
template <class List>
void redoEdits(List& list, ListEdits<List>& edits) {
  for (ListEdit<List>& e : edits) {
    if (e.kind == ListEdit<List>::Kind::kInsert)
      detail::putBack(list, e);
    else if (e.kind == ListEdit<List>::Kind::kErase)
      detail::takeOut(list, e);
    else
      std::swap(list, *e.other);
  }
}

}  // namespace zova

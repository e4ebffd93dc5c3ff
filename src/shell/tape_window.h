// The paper tape window: the tape's entries in a list, newest at the bottom and
// kept in view, numbers right-aligned as a printed tape has them. A click on an
// entry puts its number on the display; Edit has Copy, Save As... and Clear.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/model.h"

namespace zova {

class Zoom;

/// The tape's entries as rows of a list model; it follows the tape as it grows.
class TapeListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit TapeListModel(const TapeModel& tape, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  /// The tape changed: appended rows are inserted, anything else resets the list.
  void followTape();
  /// The entries undone, which redo would write again, shown struck through after
  /// the tape's own; false when they are the ones shown already.
  bool showUndone(std::vector<TapeEntry> undone);

 private:
  const TapeModel& tape_;
  int rows_ = 0;  ///< the tape's own entries shown
  std::uint64_t added_ = 0, replaced_ = 0;
  std::vector<TapeEntry> undone_;
};

class TapeWindow : public QWidget {
  Q_OBJECT
 public:
  /// `changed` is called after a click put a number on the main display.
  TapeWindow(Model& model, std::function<void()> changed, Zoom& zoom, QWidget* parent = nullptr);
  ~TapeWindow() override;

  QListView* list() const { return list_; }
  /// Copy: the selected lines, or the whole tape when none is selected, as plain text.
  void copy();
  /// Save As... to a chosen file: the whole tape as plain text; false when not written.
  bool saveTo(const QString& path);
  void clear();
  /// Follows the undo history: the entries undone are shown struck through.
  void showUndone();

 protected:
  /// The window opens wide enough for the widest entry it holds.
  void showEvent(QShowEvent* event) override;

 private:
  /// The width the window needs to show its widest entry whole.
  int widthForEntries() const;
  void saveAs();
  void entryClicked(const QModelIndex& index);
  void tapeChanged();

  Model& model_;
  Zoom& zoom_;  ///< the calculator's, which this follows
  std::function<void()> changed_;
  TapeListModel* rows_ = nullptr;
  QListView* list_ = nullptr;
};

}  // namespace zova

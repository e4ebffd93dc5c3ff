// The tape window over the model's tape. The list draws only the rows in
// view, so a full tape opens as quickly as an empty one.
#include "shell/tape_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <vector>

#include "engine/text.h"
#include "model/settings_storage.h"
#include "model/window_conf.h"
#include "shell/program_look.h"
#include "shell/qt_text.h"
#include "shell/qt_toolkit.h"
#include "shell/screen_scale.h"
#include "shell/translation.h"

namespace zova {

TapeListModel::TapeListModel(const TapeModel& tape, QObject* parent)
    : QAbstractListModel(parent),
      tape_(tape),
      rows_(static_cast<int>(tape.size())),
      added_(tape.added()),
      replaced_(tape.replaced()) {}

int TapeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_ + static_cast<int>(undone_.size());
}

QVariant TapeListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const bool undone = index.row() >= rows_;
  if (undone && role == Qt::FontRole) {
    QFont struck = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    struck.setStrikeOut(true);
    return struck;
  }
  if (role == Qt::DisplayRole) {
    // The tape holds the model's texts; the file keeps them in English, and only
    // the list shows them in the user's language.
    const TapeEntry& entry =
        undone ? undone_[row - static_cast<std::size_t>(rows_)] : tape_.at(row);
    return q(entry.textWithLabel(shownText(entry.label).toStdString()));
  }
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  return {};
}

void TapeListModel::followTape() {
  const int size = static_cast<int>(tape_.size());
  const std::uint64_t appended = tape_.added() - added_;
  const bool onlyAppended =
      tape_.replaced() == replaced_ && static_cast<std::uint64_t>(size) == rows_ + appended;
  if (onlyAppended && size > rows_) {
    beginInsertRows({}, rows_, size - 1);
    rows_ = size;
    endInsertRows();
  } else if (!onlyAppended) {
    beginResetModel();
    rows_ = size;
    endResetModel();
  }
  added_ = tape_.added();
  replaced_ = tape_.replaced();
}

bool TapeListModel::showUndone(std::vector<TapeEntry> undone) {
  if (undone == undone_) return false;
  beginResetModel();
  undone_ = std::move(undone);
  endResetModel();
  return true;
}

TapeWindow::TapeWindow(Model& model, std::function<void()> changed, Zoom& zoom, QWidget* parent)
    : QWidget(parent, Qt::Window | kCloseOnlyTitleBar),
      model_(model),
      zoom_(zoom),
      changed_(std::move(changed)) {
  setObjectName(QStringLiteral("PaperTape"));
  setWindowTitle(QCoreApplication::translate("Tape", "Paper Tape"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QMenuBar(this);
  layout->setMenuBar(bar);
  QMenu* edit = bar->addMenu(QCoreApplication::translate("Tape", "&Edit"));
  auto addItem = [&](const char* name, const char* caption, void (TapeWindow::*run)(),
                     const QKeySequence& shortcut) {
    QAction* item = edit->addAction(QCoreApplication::translate("Tape", caption));
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WindowShortcut);
    connect(item, &QAction::triggered, this, [this, run] { (this->*run)(); });
    addAction(item);
  };
  addItem("tapeCopy", QT_TRANSLATE_NOOP("Tape", "&Copy"), &TapeWindow::copy, QKeySequence::Copy);
  addItem("tapeSaveAs", QT_TRANSLATE_NOOP("Tape", "Save &As..."), &TapeWindow::saveAs,
          QKeySequence::SaveAs);
  addItem("tapeClear", QT_TRANSLATE_NOOP("Tape", "C&lear"), &TapeWindow::clear, {});

  rows_ = new TapeListModel(model_.tape(), this);
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("TapeList"));
  list_->setAccessibleName(QCoreApplication::translate("Tape", "calculations on the tape"));
  list_->setModel(rows_);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The result is at the right: a window made narrower cuts the operand, never the result.
  list_->setTextElideMode(Qt::ElideLeft);
  layout->addWidget(list_);
  connect(list_, &QListView::clicked, this, &TapeWindow::entryClicked);
  // From the keyboard: Enter recalls the current line.
  for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* recall = new QShortcut(QKeySequence(enter), list_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(recall, &QShortcut::activated, this, [this] { entryClicked(list_->currentIndex()); });
  }
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, this, &QWidget::close);

  model_.tape().onChange = [this] { tapeChanged(); };
  resize(320, 420);
  // The tape's text and the window follow the calculator's zoom.
  zoom_.followZoom(this, [this, desktop = list_->font(), was = kMinZoom]() mutable {
    list_->setFont(zoom_.zoomedSize(desktop, desktop));
    resize(size() * zoom_.zoomPercent() / was);
    was = zoom_.zoomPercent();
  });
  showUndone();
  list_->scrollToBottom();
}

TapeWindow::~TapeWindow() { model_.tape().onChange = nullptr; }

void TapeWindow::showEvent(QShowEvent* event) {
  const int wanted = std::min(widthForEntries(), screen()->availableGeometry().width());
  if (wanted > width()) resize(wanted, height());
  QWidget::showEvent(event);
}

// The font is fixed-pitch: the entries longest in characters are the widest, and only
// those are measured as the list shows them (translated), so that a full tape opens fast.
int TapeWindow::widthForEntries() const {
  const TapeModel& tape = model_.tape();
  const auto characters = [](const std::string& t) {
    return std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; });
  };
  std::vector<std::pair<std::ptrdiff_t, int>> longest;  // characters, row
  longest.reserve(tape.size());
  for (std::size_t row = 0; row < tape.size(); ++row) {
    const TapeEntry& e = tape.at(row);
    longest.emplace_back(characters(english(e.label)) + characters(e.number) + characters(e.mark),
                         static_cast<int>(row));
  }
  constexpr std::size_t kMeasured = 32;
  if (longest.size() > kMeasured) {
    std::nth_element(longest.begin(), longest.begin() + kMeasured - 1, longest.end(),
                     std::greater<>());
    longest.resize(kMeasured);
  }
  const QFontMetrics metrics(list_->font());
  int widest = 0;
  for (const auto& [count, row] : longest)
    widest = std::max(widest, metrics.horizontalAdvance(rows_->index(row).data().toString()));
  // The item's text margins, the list's frame and its scroll bar.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
  return widest + 2 * margin + 2 * list_->frameWidth() +
         style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_) + 2;
}

void TapeWindow::tapeChanged() {
  rows_->followTape();
  list_->scrollToBottom();
}

void TapeWindow::showUndone() {
  if (rows_->showUndone(model_.history().undoneTapeEntries())) list_->scrollToBottom();
}

void TapeWindow::entryClicked(const QModelIndex& index) {
  if (!index.isValid()) return;
  model_.recallTapeNumber(static_cast<std::size_t>(index.row()));
  if (changed_) changed_();
}

void TapeWindow::copy() {
  std::vector<std::size_t> lines;
  for (const QModelIndex& i : list_->selectionModel()->selectedIndexes())
    lines.push_back(static_cast<std::size_t>(i.row()));
  std::sort(lines.begin(), lines.end());
  QApplication::clipboard()->setText(QString::fromStdString(model_.tape().plainText(lines)));
}

bool TapeWindow::saveTo(const QString& path) {
  return replaceSettingsFile(path.toStdString(), model_.tape().plainText()).written;
}

void TapeWindow::saveAs() {
  QFileDialog dialog(this, QCoreApplication::translate("Tape", "Save Tape As"), {},
                     QCoreApplication::translate("Tape", "Text files (*.txt)"));
  dialog.setObjectName(QStringLiteral("saveTapeDialog"));
  setUpSaveDialog(dialog, QStringLiteral("txt"));
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    saveTo(dialog.selectedFiles().front());
}

void TapeWindow::clear() {
  model_.clearTape();
  if (changed_) changed_();
}

}  // namespace zova

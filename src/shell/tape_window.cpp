// The tape window over the model's tape. The list draws only the rows in
// view, so a full tape opens as quickly as an empty one.
#include "shell/tape_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "model/settings_storage.h"

namespace zova {

TapeListModel::TapeListModel(const TapeModel& tape, QObject* parent)
    : QAbstractListModel(parent),
      tape_(tape),
      rows_(static_cast<int>(tape.size())),
      added_(tape.added()),
      replaced_(tape.replaced()) {}

int TapeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant TapeListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const auto row = static_cast<std::size_t>(index.row());
  if (role == Qt::DisplayRole) return QString::fromStdString(tape_.at(row).text());
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

TapeWindow::TapeWindow(Model& model, std::function<void()> changed, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), changed_(std::move(changed)) {
  setObjectName(QStringLiteral("PaperTape"));
  setWindowTitle(QStringLiteral("Paper Tape"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QMenuBar(this);
  layout->setMenuBar(bar);
  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  auto addItem = [&](const char* name, const char* caption, void (TapeWindow::*run)(),
                     const QKeySequence& shortcut) {
    QAction* item = edit->addAction(QString::fromUtf8(caption));
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WindowShortcut);
    connect(item, &QAction::triggered, this, [this, run] { (this->*run)(); });
    addAction(item);
  };
  addItem("tapeCopy", "&Copy", &TapeWindow::copy, QKeySequence::Copy);
  addItem("tapeSaveAs", "Save &As...", &TapeWindow::saveAs, QKeySequence::SaveAs);
  addItem("tapeClear", "C&lear", &TapeWindow::clear, {});

  rows_ = new TapeListModel(model_.tape(), this);
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("TapeList"));
  list_->setModel(rows_);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(list_);
  connect(list_, &QListView::clicked, this, &TapeWindow::entryClicked);
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, this, &QWidget::close);

  model_.tape().onChange = [this] { tapeChanged(); };
  resize(320, 420);
  list_->scrollToBottom();
}

TapeWindow::~TapeWindow() { model_.tape().onChange = nullptr; }

void TapeWindow::tapeChanged() {
  rows_->followTape();
  list_->scrollToBottom();
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
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Tape As"), {},
                                                    QStringLiteral("Text files (*.txt)"));
  if (!path.isEmpty()) saveTo(path);
}

void TapeWindow::clear() { model_.clearTape(); }

}  // namespace zova

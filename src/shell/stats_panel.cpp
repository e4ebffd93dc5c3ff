// The statistics panel of the fold-out area: the data list, its keys and the Stack toggle.
#include "shell/stats_panel.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

#include "shell/key_colours.h"
#include "shell/qt_text.h"
#include "shell/screen_scale.h"
#include "shell/translation.h"

namespace zova {

namespace {

// The Stack toggle's text lights up like an indicator lamp.
const QColor kStackOn(0x00, 0xFF, 0x00);
const QColor kStackOff(0x00, 0x40, 0x00);

// Results first under the data keys, a small gap between the two groups.
bool startsResultGroup(StatKey k) { return k == StatKey::kCount; }
}  // namespace

void StackToggle::setLamp(const QColor& colour) {
  if (colour == lamp_) return;
  lamp_ = colour;
  update();
}

void StackToggle::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton opt;
  initStyleOption(&opt);
  if (lamp_.isValid()) opt.palette.setColor(QPalette::WindowText, lamp_);
  p.drawControl(QStyle::CE_CheckBox, opt);
}

StatsPanel::StatsPanel(Model& model, std::function<void()> changed, Zoom& zoom, QWidget* parent)
    : QWidget(parent), model_(model), zoom_(zoom), changed_(std::move(changed)) {
  auto* row = new QHBoxLayout(this);

  dataList_ = new QListWidget(this);
  dataList_->setObjectName(QStringLiteral("dataList"));
  dataList_->setAccessibleName(QCoreApplication::translate("Window", "statistics data"));
  dataList_->setSelectionMode(QAbstractItemView::SingleSelection);
  // A click on any item selects it, the current one too; arrow keys move the selection.
  connect(dataList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { select(dataList_->row(item)); });
  connect(dataList_, &QListWidget::currentRowChanged, this, [this](int r) { select(r); });
  row->addWidget(dataList_, 1);

  auto* column = new QVBoxLayout();
  QSpacerItem* groupGap = nullptr;
  for (const StatKeyRow& r : statKeyTable()) {
    if (startsResultGroup(r.key)) {
      groupGap = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
      column->addSpacerItem(groupGap);
    }
    auto* b = new QPushButton(shown("Statistics", r.caption), this);
    b->setObjectName(q(r.control));
    setColourGroup(b, r.group);
    if (r.binding.code) b->setToolTip(shownText(keyboardTooltip(r.binding)));
    b->setFocusPolicy(Qt::TabFocus);
    // All as wide as the widest caption needs, at least 100 pixels; the list takes the rest.
    zoom_.followZoom(b, [this, b] { b->setMinimumWidth(zoom_.scaledPixels(100)); });
    const StatKey key = r.key;
    connect(b, &QPushButton::clicked, this, [this, key] {
      model_.statPress(key);
      done();
    });
    column->addWidget(b);
    keys_[key] = b;
  }
  column->addStretch(1);

  stack_ = new StackToggle(QCoreApplication::translate("Statistics", "Stack"), this);
  const KeyRow& stackKey = keyRow(Key::kStack);
  stack_->setObjectName(q(stackKey.control));
  setColourGroup(stack_, stackKey.group);
  // The check box's tooltip has one blank after the colon, the buttons' two.
  stack_->setToolTip(QCoreApplication::translate("Keypad", "Keyboard equivalent: %1 key")
                         .arg(shownText(keyboardName(stackKey.bindings[0]))));
  stack_->setFocusPolicy(Qt::TabFocus);
  stack_->setBackgroundRole(QPalette::Window);  // a background colour fills the whole box
  QFont bold;                                   // at the panel's size
  bold.setBold(true);
  stack_->setFont(bold);
  connect(stack_, &QCheckBox::clicked, this, [this] {
    model_.press(Key::kStack);
    done();
  });
  column->addWidget(stack_);
  row->addLayout(column);
  zoom_.followZoom(this, [this, row, column, groupGap] {
    row->setContentsMargins(zoom_.zoomedPixels(8), zoom_.zoomedPixels(8), zoom_.zoomedPixels(8),
                            zoom_.zoomedPixels(8));
    row->setSpacing(zoom_.zoomedPixels(8));
    column->setSpacing(zoom_.zoomedPixels(3));
    groupGap->changeSize(0, zoom_.zoomedPixels(8), QSizePolicy::Minimum, QSizePolicy::Fixed);
    dataList_->setMinimumWidth(zoom_.zoomedPixels(110));
    column->invalidate();
  });

  refresh();
}

void StatsPanel::select(int row) {
  if (row < 0) return;
  model_.statSelect(static_cast<std::size_t>(row));
  done();
}

void StatsPanel::done() {
  refresh();
  if (changed_) changed_();
}

void StatsPanel::refresh() {
  const StatsRegister& reg = model_.stats();
  const QSignalBlocker block(dataList_);
  const auto& items = reg.items();
  bool same = dataList_->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < dataList_->count(); ++i)
    same = dataList_->item(i)->text() == QString::fromStdString(items[i]);
  if (!same) {
    dataList_->clear();
    for (const std::string& t : items) dataList_->addItem(QString::fromStdString(t));
  }
  const auto sel = reg.selected();
  if (sel && *sel < items.size()) {
    dataList_->setCurrentRow(static_cast<int>(*sel));
  } else {
    dataList_->setCurrentRow(-1);
    dataList_->clearSelection();
  }

  const bool on = model_.calc().state().resultsToStats;
  {
    const QSignalBlocker blockStack(stack_);
    stack_->setChecked(on);
  }
  stack_->setLamp(on ? kStackOn : kStackOff);
}

}  // namespace zova

// The financial panel of the fold-out area: time value of money and amortization cells and keys.
#include "shell/finance_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <optional>
#include <vector>

#include "shell/key_colours.h"
#include "shell/qt_text.h"
#include "shell/screen_scale.h"
#include "shell/translation.h"

namespace zova {

namespace {
// Grid columns: the cell's name, the cell, the key that computes or uses it.
constexpr int kNameColumn = 0, kCellColumn = 1, kKeyColumn = 2;
constexpr int kRowHeight = 20;
constexpr int kKeyWidth = 64;

enum class Line { kHeading, kCell, kTiming, kGap };

// A key of the panel's own, beside a cell or the timing boxes.
struct OwnKey {
  const char* control;
  const char* caption;
  void (*press)(Model& m);
};

// One line of the panel's grid, top to bottom.
struct GridLine {
  Line kind;
  const char* control = "";  ///< a heading's name
  const char* text = "";     ///< a heading's text, translated in the context "Financial"
  FinCell cell = FinCell::kN;
  std::optional<FinKey> solve = std::nullopt;  ///< the key that computes the cell
  ColourGroup group = ColourGroup::kStandard;  ///< the key's colours; kOwn: the desktop's
  std::optional<OwnKey> key = std::nullopt;    ///< or a key of the panel's own
};

using G = ColourGroup;
const GridLine kGrid[] = {
    {Line::kHeading, "timeValueHeading", QT_TRANSLATE_NOOP("Financial", "Time Value of Money")},
    {Line::kCell, "", "", FinCell::kN, FinKey::kN},
    {Line::kCell, "", "", FinCell::kPmt, FinKey::kPmt},
    {Line::kCell, "", "", FinCell::kPv, FinKey::kPv},
    {Line::kCell, "", "", FinCell::kFv, FinKey::kFv},
    {Line::kCell, "", "", FinCell::kInt, FinKey::kInt},
    {Line::kCell, "", "", FinCell::kPpy},
    {Line::kCell, "", "", FinCell::kRate},
    {Line::kTiming, "", "", FinCell::kN, std::nullopt, G::kOwn,
     OwnKey{"financeClearKey", QT_TRANSLATE_NOOP("Financial", "Clear"),
            [](Model& m) { m.finClear(); }}},
    {Line::kGap},
    {Line::kHeading, "amortizationHeading", QT_TRANSLATE_NOOP("Financial", "Amortization")},
    {Line::kCell, "", "", FinCell::kPayments, std::nullopt, G::kStandard,
     OwnKey{"amortizeKey", QT_TRANSLATE_NOOP("Financial", "Amortize"),
            [](Model& m) { m.finAmortize(); }}},
    {Line::kCell, "", "", FinCell::kInterest},
    {Line::kCell, "", "", FinCell::kPrincipal},
    {Line::kCell, "", "", FinCell::kBalance, std::nullopt, G::kStandard,
     OwnKey{"balanceToPresentValueKey", "PV", [](Model& m) { m.finToPv(); }}},
};

// The payment timing boxes, which share the line of the Clear key; a box is
// checked while the timing reads as its English caption.
struct TimingBox {
  const char* control;
  const char* caption;
  ColourGroup group;
  void (*press)(Model& m);
};
const TimingBox kTimingBoxes[] = {
    {"startBox", QT_TRANSLATE_NOOP("Financial", "Start"), G::kStandard,
     [](Model& m) { m.finStart(); }},
    {"endBox", QT_TRANSLATE_NOOP("Financial", "End"), G::kStandard, [](Model& m) { m.finEnd(); }}};

QLabel* heading(const char* name, const char* text, QWidget* parent) {
  auto* l = new QLabel(QCoreApplication::translate("Financial", text), parent);
  l->setObjectName(QString::fromLatin1(name));
  QFont f;  // bold, at the panel's size
  f.setBold(true);
  l->setFont(f);
  return l;
}
}  // namespace

FinancePanel::FinancePanel(Model& model, std::function<void()> changed, Zoom& zoom, QWidget* parent)
    : QWidget(parent), model_(model), zoom_(zoom), changed_(std::move(changed)) {
  auto* grid = new QGridLayout(this);
  grid->setColumnStretch(kCellColumn, 1);

  for (const FinCellRow& r : finCellTable()) addCell(r);
  for (const FinKeyRow& r : finKeyTable()) {
    const FinKey k = r.key;
    keys_[static_cast<std::size_t>(k)] =
        addKey(q(r.control), shown("Financial", r.caption), [this, k] { model_.finSolve(k); });
  }

  int row = 0;
  std::vector<QWidget*> reading;  // Tab's order: along each row, row by row
  for (const GridLine& line : kGrid) {
    switch (line.kind) {
      case Line::kHeading:
        grid->addWidget(heading(line.control, line.text, this), row, 0, 1, 3);
        break;
      case Line::kCell: {
        const FinCellRow& r = finCellRow(line.cell);
        auto* name = new QLabel(shown("Financial", r.label), this);
        name->setObjectName(q(r.control) + QStringLiteral("Label"));
        grid->addWidget(name, row, kNameColumn);
        grid->addWidget(cell(line.cell), row, kCellColumn);
        reading.push_back(cell(line.cell));
        break;
      }
      case Line::kTiming:
        grid->addLayout(timingBoxes(), row, kNameColumn, 1, 2);
        reading.insert(reading.end(), timing_.begin(), timing_.end());
        break;
      case Line::kGap:
        zoom_.followZoom(
            this, [this, grid, row] { grid->setRowMinimumHeight(row, zoom_.zoomedPixels(4)); });
        break;
    }
    QPushButton* b = line.solve ? key(*line.solve) : nullptr;
    if (const std::optional<OwnKey>& own = line.key)
      b = addKey(QLatin1String(own->control),
                 QCoreApplication::translate("Financial", own->caption),
                 [this, press = own->press] { press(model_); });
    if (b) {
      setColourGroup(b, line.group);
      grid->addWidget(b, row, kKeyColumn);
      reading.push_back(b);
    }
    ++row;
  }
  for (std::size_t i = 1; i < reading.size(); ++i) setTabOrder(reading[i - 1], reading[i]);
  grid->setRowStretch(row, 1);
  zoom_.followZoom(this, [this, grid] {
    grid->setContentsMargins(zoom_.zoomedPixels(8), zoom_.zoomedPixels(6), zoom_.zoomedPixels(8),
                             zoom_.zoomedPixels(6));
    grid->setHorizontalSpacing(zoom_.zoomedPixels(6));
    grid->setVerticalSpacing(zoom_.zoomedPixels(2));
  });

  refresh();
}

void FinancePanel::addCell(const FinCellRow& r) {
  auto* c = new QLabel(this);
  c->setObjectName(q(r.control));
  c->setAccessibleName(shown("Financial", r.label));
  c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  zoom_.followZoom(c, [this, c] { c->setFixedHeight(zoom_.scaledPixels(kRowHeight)); });
  c->setAutoFillBackground(true);
  c->setBackgroundRole(QPalette::Base);
  c->setCursor(Qt::PointingHandCursor);
  c->setMargin(1);
  c->setFocusPolicy(Qt::TabFocus);
  c->installEventFilter(this);
  cells_[static_cast<std::size_t>(r.cell)] = c;
}

QLayout* FinancePanel::timingBoxes() {
  auto* timing = new QHBoxLayout();
  zoom_.followZoom(this, [this, timing] { timing->setSpacing(zoom_.zoomedPixels(10)); });
  for (std::size_t i = 0; i < std::size(kTimingBoxes); ++i) {
    const TimingBox& t = kTimingBoxes[i];
    auto* box = new QCheckBox(QCoreApplication::translate("Financial", t.caption), this);
    box->setObjectName(QLatin1String(t.control));
    box->setFocusPolicy(Qt::TabFocus);
    setColourGroup(box, t.group);
    connect(box, &QCheckBox::clicked, this, [this, press = t.press] {
      press(model_);
      done();
    });
    timing->addWidget(box);
    timing_[i] = box;
  }
  timing->addStretch(1);
  return timing;
}

QPushButton* FinancePanel::addKey(const QString& name, const QString& caption,
                                  std::function<void()> run) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setFocusPolicy(Qt::TabFocus);
  zoom_.followZoom(b, [this, b] {
    b->setFixedSize(zoom_.scaledPixels(kKeyWidth), zoom_.scaledPixels(kRowHeight + 2));
  });
  connect(b, &QPushButton::clicked, this, [this, run = std::move(run)] {
    run();
    done();
  });
  return b;
}

// A cell takes a click, or Enter or Space once Tab has reached it.
bool FinancePanel::eventFilter(QObject* watched, QEvent* event) {
  auto* c = qobject_cast<QLabel*>(watched);
  if (c && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    showFocusFrame(c, event->type() == QEvent::FocusIn);
    return false;
  }
  const bool released = event->type() == QEvent::MouseButtonRelease;
  if (released || event->type() == QEvent::KeyPress) {
    for (const FinCellRow& r : finCellTable()) {
      if (watched != cell(r.cell)) continue;
      bool clicked = false;
      if (released) {
        const auto* me = static_cast<QMouseEvent*>(event);
        clicked = me->button() == Qt::LeftButton && c->rect().contains(me->position().toPoint());
      } else {
        const int key = static_cast<QKeyEvent*>(event)->key();
        clicked = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
      }
      if (!clicked) return released;  // other keys go on to the keyboard map
      model_.finClick(r.cell);
      done();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FinancePanel::done() {
  refresh();
  if (changed_) changed_();
}

void FinancePanel::refresh() {
  const FinanceModel& fin = model_.finance();
  for (const FinCellRow& r : finCellTable()) cell(r.cell)->setText(q(fin.caption(r.cell)));
  for (std::size_t i = 0; i < timing_.size(); ++i) {
    const QSignalBlocker block(timing_[i]);
    timing_[i]->setChecked(fin.timing() == kTimingBoxes[i].caption);
  }
}

}  // namespace zova

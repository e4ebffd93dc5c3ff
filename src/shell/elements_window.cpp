// The periodic table window: tiles painted by the window, hover and click on the
// information area, drags from tiles onto the formula slots, and the molar-mass row.
#include "shell/elements_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "model/window_geometry.h"
#include "shell/key_colours.h"
#include "shell/qt_text.h"
#include "shell/screen_scale.h"
#include "shell/translation.h"

namespace zova {

namespace {
// The grid in twips: tile size, pitch, the first column and row, and the gap
// that sets the lanthanides and actinides apart.
constexpr int kTileWidth = 525, kTileHeight = 645;
constexpr int kColumnPitch = 510, kRowPitch = 615;
constexpr int kFirstLeft = 105, kFirstTop = 300;
constexpr int kSeriesDrop = 960;
constexpr int kWindowWidth = 620, kWindowHeight = 414;  // pixels at 96 dots per inch

// A place in the window in twips.
struct Twips {
  int left, top, width, height;
};

QRect twips(const Zoom& zoom, int left, int top, int width, int height) {
  return {zoom.twipsToPixels(left), zoom.twipsToPixels(top), zoom.twipsToPixels(width),
          zoom.twipsToPixels(height)};
}

QRect twips(const Zoom& zoom, const Twips& t) {
  return twips(zoom, t.left, t.top, t.width, t.height);
}

QColor groupColour(ElementGroup g) {
  switch (g) {
    case ElementGroup::kAlkaliMetal:
      return {0xF4, 0xA0, 0x9C};
    case ElementGroup::kAlkalineEarth:
      return {0xF8, 0xC8, 0x90};
    case ElementGroup::kTransitionMetal:
      return {0xF6, 0xE3, 0x9B};
    case ElementGroup::kLanthanide:
      return {0xF0, 0xB8, 0xE0};
    case ElementGroup::kActinide:
      return {0xD6, 0xB4, 0xF0};
    case ElementGroup::kOtherMetal:
      return {0xC8, 0xCC, 0xD4};
    case ElementGroup::kMetalloid:
      return {0xC4, 0xDC, 0xA0};
    case ElementGroup::kNonmetal:
      return {0xA8, 0xE6, 0xB4};
    case ElementGroup::kHalogen:
      return {0xA8, 0xE0, 0xE8};
    case ElementGroup::kNobleGas:
      return {0xB0, 0xC4, 0xF4};
  }
  return Qt::white;
}

bool oneOf(int z, std::initializer_list<int> list) {
  return std::find(list.begin(), list.end(), z) != list.end();
}

// A formula slot: the label a tile is dropped on and the count box below it.
struct SlotRow {
  const char* slotName;
  const char* countName;
  Twips slot;
  int countLeft;
};

constexpr SlotRow kSlots[kSlotCount] = {
    {"firstSlot", "firstCount", {4440, 255, 420, 240}, 4605},
    {"secondSlot", "secondCount", {4875, 255, 420, 240}, 5040},
    {"thirdSlot", "thirdCount", {5310, 255, 420, 240}, 5475},
    {"fourthSlot", "fourthCount", {5745, 255, 405, 240}, 5895},
};
constexpr int kCountTop = 495, kCountWidth = 255, kCountHeight = 195;
constexpr Twips kMultiplierPlace = {4155, 255, 270, 240};
constexpr Twips kClearPlace = {6165, 255, 570, 255};
// Where the molar mass and its unit start; a long result widens them.
constexpr Twips kMolarMassPlace = {5040, 735, 675, 255};
constexpr Twips kMolarUnitPlace = {5745, 705, 435, 240};

// A label of the window: the member that keeps it, its object name, its place and
// its font's size in pixels and weight.
struct LabelRow {
  QLabel* ElementsWindow::*member;
  const char* name;
  Twips place;
  int pixels;
  bool bold;
};

const QString kBoxStyle = QStringLiteral(
    "QLineEdit { border: 1px solid %1; padding: 0px; background: %2; font-size: %3px; }");

bool darkDesktop() { return QApplication::palette().color(QPalette::Window).lightness() < 128; }

// Marks a box that holds no number with a red frame, a tinted background and a tooltip.
// The boxes take the desktop's field colour, tinted red under a dark palette as under a light one.
void markBox(const Zoom& zoom, QLineEdit* e, bool bad) {
  const QString field = QApplication::palette().color(QPalette::Base).name();
  const QString style =
      kBoxStyle
          .arg(bad ? ElementsWindow::markColour().name() : "#8890a0", !bad            ? field
                                                                      : darkDesktop() ? "#5a2222"
                                                                                      : "#ffe4e4")
          .arg(zoom.scaledPixels(9));
  if (e->styleSheet() != style) e->setStyleSheet(style);
  e->setToolTip(
      bad ? QCoreApplication::translate("Elements", "Not a number: type a number of 0 or more")
          : QString());
}

QLabel* label(Zoom& zoom, const LabelRow& row, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(row.name));
  zoom.followZoom(l, [&zoom, l, place = row.place] { l->setGeometry(twips(zoom, place)); });
  QFont f = l->font();
  if (row.bold) f.setBold(true);
  zoom.setZoomedFont(l, f, row.pixels);
  return l;
}

QLineEdit* box(Zoom& zoom, const char* name, Twips place, QWidget* parent) {
  auto* e = new QLineEdit(QStringLiteral("1"), parent);
  e->setObjectName(QString::fromLatin1(name));
  zoom.followZoom(e, [&zoom, e, place] { e->setGeometry(twips(zoom, place)); });
  e->setAlignment(Qt::AlignCenter);
  e->setAcceptDrops(false);  // tiles go to the slots only
  e->setFrame(false);
  e->setTextMargins(0, 0, 0, 0);
  markBox(zoom, e, false);
  return e;
}

// What a screen reader says for an element: "Na, sodium, 22.98977".
QString spoken(const Element& e) {
  return QStringLiteral("%1, %2, %3").arg(q(e.symbol), shown("Elements", e.name), q(e.mass));
}

// A text dragged from a tile names the element by its symbol.
const Element* dragged(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasText()) return nullptr;
  return findElement(mime->text().toStdString());
}
}  // namespace

// An element's place for the keyboard and screen readers; the window paints the
// tile and takes the mouse. Only the tile of the element described takes Tab,
// so that Tab goes from the table to the formula row in one step; the arrow
// keys walk the table, Enter or Space puts the element into the formula.
class ElementsWindow::Tile : public QWidget {
 public:
  Tile(const Element& e, ElementsWindow* window) : QWidget(window), element_(e), window_(window) {
    setObjectName(QStringLiteral("tile") + q(e.symbol));
    window->zoom_.followZoom(this, [this] {
      const QRect r = window_->tileRect(element_);
      setGeometry(QRect(r.topLeft(), QSize(window_->zoom_.twipsToPixels(kColumnPitch),
                                           window_->zoom_.twipsToPixels(kRowPitch))));
    });
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }
  const Element& element() const { return element_; }
  void retranslate() {
    setAccessibleName(spoken(element_));
    setAccessibleDescription(
        QCoreApplication::translate("Elements",
                                    "Atomic number %1. Enter or Space puts it into the next "
                                    "free formula slot.")
            .arg(element_.number));
  }

 protected:
  // Shown at the first step onto a tile, not when the window opens.
  void focusInEvent(QFocusEvent* event) override {
    if (event->reason() != Qt::ActiveWindowFocusReason) window_->describe(element_);
    window_->update(geometry());  // the focus mark
  }
  void focusOutEvent(QFocusEvent*) override { window_->update(geometry()); }
  void keyPressEvent(QKeyEvent* event) override {
    static constexpr std::pair<int, QPoint> kSteps[] = {{Qt::Key_Left, {-1, 0}},
                                                        {Qt::Key_Right, {1, 0}},
                                                        {Qt::Key_Up, {0, -1}},
                                                        {Qt::Key_Down, {0, 1}}};
    for (const auto& [key, step] : kSteps)
      if (event->key() == key) return window_->stepFrom(element_, step);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space)
      return window_->putIntoFormula(element_);
    QWidget::keyPressEvent(event);
  }

 private:
  const Element& element_;
  ElementsWindow* window_;
};

ElementGroup elementGroup(int z) {
  if (oneOf(z, {2, 10, 18, 36, 54, 86})) return ElementGroup::kNobleGas;
  if (oneOf(z, {9, 17, 35, 53, 85})) return ElementGroup::kHalogen;
  if (oneOf(z, {1, 6, 7, 8, 15, 16, 34})) return ElementGroup::kNonmetal;
  if (oneOf(z, {5, 14, 32, 33, 51, 52})) return ElementGroup::kMetalloid;
  if (oneOf(z, {13, 31, 49, 50, 81, 82, 83, 84})) return ElementGroup::kOtherMetal;
  if (oneOf(z, {3, 11, 19, 37, 55, 87})) return ElementGroup::kAlkaliMetal;
  if (oneOf(z, {4, 12, 20, 38, 56, 88})) return ElementGroup::kAlkalineEarth;
  if (z >= 57 && z <= 71) return ElementGroup::kLanthanide;
  if (z >= 89 && z <= 103) return ElementGroup::kActinide;
  return ElementGroup::kTransitionMetal;
}

QRect ElementsWindow::tileRect(const Element& e) const {
  const int top = kFirstTop + (e.row - 1) * kRowPitch + (e.row >= 8 ? kSeriesDrop - kRowPitch : 0);
  return twips(zoom_, kFirstLeft + (e.column - 1) * kColumnPitch, top, kTileWidth, kTileHeight);
}

// Tiles overlap their neighbours by a pixel or two; the pitch decides which one a point is on.
const Element* ElementsWindow::tileAt(QPoint p) const {
  for (const Element& e : kElements) {
    const QRect r = tileRect(e);
    const QRect cell(r.topLeft(),
                     QSize(zoom_.twipsToPixels(kColumnPitch), zoom_.twipsToPixels(kRowPitch)));
    if (cell.contains(p)) return &e;
  }
  return nullptr;
}

ElementsWindow::ElementsWindow(Model& model, std::function<void()> changed, Zoom& zoom,
                               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      model_(model),
      zoom_(zoom),
      changed_(std::move(changed)) {
  setObjectName(QStringLiteral("Elements"));
  setWindowTitle(QCoreApplication::translate("Elements", "Periodic Table of the Elements"));
  zoom_.followZoom(this, [this] {
    setFixedSize(zoom_.scaledPixels(kWindowWidth), zoom_.scaledPixels(kWindowHeight));
  });
  setMouseTracking(true);
  // The table's paper under a light desktop palette; a dark one is kept as it is,
  // so that the captions, written in its text colour, stay readable.
  if (!darkDesktop()) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF4, 0xF3, 0xEE));
    setPalette(pal);
  }
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  for (const Element& e : kElements) {
    tiles_.push_back(new Tile(e, this));
    tiles_.back()->retranslate();
  }
  tiles_.front()->setFocusPolicy(Qt::StrongFocus);
  buildInfoArea();
  buildFormulaRow();
  buildMolarRow();
  zoom_.followZoom(this, [this] { refresh(); });  // after the controls have taken their new sizes
}

void ElementsWindow::buildInfoArea() {
  static constexpr LabelRow kLabels[] = {
      {&ElementsWindow::symbol_, "symbol", {1440, 120, 780, 495}, 26, true},
      {&ElementsWindow::elementName_, "elementName", {2265, 255, 1875, 360}, 14, true},
      {&ElementsWindow::numberCaption_, "numberCaption", {1440, 660, 1785, 255}, 10, false},
      {&ElementsWindow::atomicNumber_, "atomicNumber", {3255, 660, 360, 255}, 11, false},
      {&ElementsWindow::massCaption_, "massCaption", {1440, 960, 1785, 240}, 10, false},
      {&ElementsWindow::atomicMass_, "atomicMass", {3255, 960, 750, 240}, 11, false},
      {&ElementsWindow::electronsCaption_, "electronsCaption", {1440, 1245, 1785, 240}, 10, false},
      // The longest configurations run on into the free space on the right.
      {&ElementsWindow::electrons_, "electrons", {3255, 1245, 1680, 240}, 11, false},
  };
  for (const LabelRow& row : kLabels) this->*row.member = label(zoom_, row, this);
  for (QLabel* l : {atomicNumber_, atomicMass_}) {
    l->setCursor(Qt::PointingHandCursor);
    l->setToolTip(
        QCoreApplication::translate("Elements", "Click to put this value on the display"));
    l->installEventFilter(this);
    l->setFocusPolicy(Qt::TabFocus);  // Enter or Space as a click
    l->hide();
  }
}

void ElementsWindow::buildFormulaRow() {
  multiplier_ = box(zoom_, "multiplier", kMultiplierPlace, this);
  multiplier_->setAccessibleName(QCoreApplication::translate("Elements", "Multiplier"));
  connect(multiplier_, &QLineEdit::textEdited, this, [this](const QString& t) {
    model_.molarMultiplier(t.toStdString());
    refresh();
  });
  for (int i = 0; i < kSlotCount; ++i) {
    const SlotRow& row = kSlots[i];
    QLabel* s = label(zoom_, {nullptr, row.slotName, row.slot, 11, true}, this);
    s->setAlignment(Qt::AlignCenter);
    s->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    s->setAutoFillBackground(true);
    s->setBackgroundRole(QPalette::Base);
    s->setToolTip(QCoreApplication::translate("Elements", "Drag an element here"));
    s->setAcceptDrops(true);
    s->installEventFilter(this);
    slots_[i] = s;
    QLineEdit* c =
        box(zoom_, row.countName, {row.countLeft, kCountTop, kCountWidth, kCountHeight}, this);
    const int n = i + 1;
    connect(c, &QLineEdit::textEdited, this, [this, n](const QString& t) {
      model_.molarCount(n, t.toStdString());
      refresh();
    });
    c->setAccessibleName(QCoreApplication::translate("Elements", "Count in slot %1").arg(n));
    s->setAccessibleName(QCoreApplication::translate("Elements", "Formula slot %1").arg(n));
    counts_[i] = c;
  }
  clearFormula_ = new QPushButton(QCoreApplication::translate("Elements", "Clear"), this);
  clearFormula_->setObjectName(QStringLiteral("clearFormula"));
  zoom_.setZoomedFont(clearFormula_, clearFormula_->font(), 10);
  clearFormula_->setAutoDefault(true);  // Enter clicks it once Tab has reached it
  // Its place, widened where the caption needs more ("Löschen", "Очистить").
  zoom_.followZoom(clearFormula_, [this] {
    QRect place = twips(zoom_, kClearPlace);
    const QFontMetrics metrics = clearFormula_->fontMetrics();
    place.setWidth(std::max(
        place.width(), metrics.horizontalAdvance(clearFormula_->text()) + zoom_.zoomedPixels(8)));
    clearFormula_->setGeometry(place);
  });
  connect(clearFormula_, &QPushButton::clicked, this, [this] {
    model_.molarClear();
    refresh();
  });
}

void ElementsWindow::buildMolarRow() {
  static constexpr LabelRow kLabels[] = {
      {&ElementsWindow::molarCaption_, "molarCaption", {4605, 705, 435, 255}, 11, false},
      {&ElementsWindow::molarMass_, "molarMass", kMolarMassPlace, 11, false},
      {&ElementsWindow::molarUnit_, "molarUnit", kMolarUnitPlace, 11, false},
  };
  for (const LabelRow& row : kLabels) this->*row.member = label(zoom_, row, this);
  molarCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  molarMass_->setCursor(Qt::PointingHandCursor);
  molarMass_->setToolTip(
      QCoreApplication::translate("Elements", "Click to put the molar mass on the display"));
  molarMass_->installEventFilter(this);
  molarMass_->setFocusPolicy(Qt::StrongFocus);  // Enter or Space as a click
  molarMass_->setAccessibleName(QCoreApplication::translate("Elements", "Molar mass"));
}

void ElementsWindow::refresh() {
  const ElementsState& s = model_.elements().state();
  const InfoArea& a = s.info;
  symbol_->setText(q(a.symbol));
  elementName_->setText(shown("Elements", a.name));
  numberCaption_->setText(shown("Elements", a.numberCaption));
  massCaption_->setText(shown("Elements", a.massCaption));
  electronsCaption_->setText(shown("Elements", a.electronsCaption));
  atomicNumber_->setText(q(a.number));
  atomicMass_->setText(q(a.mass));
  electrons_->setText(q(a.electrons));
  atomicNumber_->setVisible(a.valuesShown);
  atomicMass_->setVisible(a.valuesShown);

  auto setBox = [](QLineEdit* e, const std::string& text) {
    if (e->text() != q(text)) e->setText(q(text));
  };
  setBox(multiplier_, s.multiplier);
  markBox(zoom_, multiplier_, s.badMultiplier);
  for (int i = 0; i < kSlotCount; ++i) {
    slots_[i]->setText(q(s.formula[i].symbol));
    const Element* in = findElement(s.formula[i].symbol);
    slots_[i]->setAccessibleDescription(in ? spoken(*in) : QString());
    setBox(counts_[i], s.formula[i].count);
    markBox(zoom_, counts_[i], s.formula[i].badCount);
  }
  layOutFormulaRow();
  molarCaption_->setText(q(s.molarCaption));
  molarUnit_->setText(q(s.molarUnit));
  molarMass_->setText(q(s.molar));
  molarMass_->setVisible(s.molarShown);
  // A long result pushes "g/mol" to the right rather than running under it.
  const QRect molarPlace = twips(zoom_, kMolarMassPlace);
  molarMass_->resize(std::max(molarPlace.width(), molarMass_->sizeHint().width()),
                     molarPlace.height());
  const QRect unitPlace = twips(zoom_, kMolarUnitPlace);
  molarUnit_->setGeometry(
      std::max(unitPlace.left(), molarMass_->geometry().right() + 3), unitPlace.top(),
      std::max(unitPlace.width(), molarUnit_->sizeHint().width()), unitPlace.height());
  clearFormula_->setVisible(s.clearShown);
  molarMass_->setAccessibleDescription(s.molarShown ? q(s.molar + " " + s.molarUnit) : QString());
  // Tab comes back to the table at the element described.
  if (const Element* e = findElement(a.symbol)) {
    for (Tile* t : tiles_) t->setFocusPolicy(&t->element() == e ? Qt::StrongFocus : Qt::NoFocus);
  }
  update();
}

void ElementsWindow::describe(const Element& e) {
  if (model_.elements().state().info.symbol == e.symbol) return;
  model_.elemHover(e.symbol);
  refresh();
}

// The nearest tile that way: along the row, or in the nearest row above or
// below at the nearest column.
void ElementsWindow::stepFrom(const Element& from, QPoint step) {
  const Tile* best = nullptr;
  const auto distance = [&](const Element& e) {
    const int along =
        step.x() ? (e.column - from.column) * step.x() : (e.row - from.row) * step.y();
    const int across = step.x() ? std::abs(e.row - from.row) : std::abs(e.column - from.column);
    return along <= 0 || (step.x() && across) ? INT_MAX : along * 100 + across;
  };
  for (const Tile* t : tiles_)
    if (distance(t->element()) != INT_MAX &&
        (!best || distance(t->element()) < distance(best->element())))
      best = t;
  if (best) {
    describe(best->element());
    tiles_[std::size_t(best->element().number - 1)]->setFocus(Qt::OtherFocusReason);
  }
}

// Into the first slot that holds no element; with all four full, nothing changes.
void ElementsWindow::putIntoFormula(const Element& e) {
  const auto& formula = model_.elements().state().formula;
  for (int i = 0; i < kSlotCount; ++i) {
    if (formula[std::size_t(i)].symbol.empty()) {
      model_.molarDrop(i + 1, e.symbol);
      refresh();
      return;
    }
  }
}

// The row keeps its places while the boxes' texts fit them; a longer text widens its
// box and moves what follows to the right, up to the helium tile. When the texts need
// more than that, every box gets the same share of the room above its place and a
// text longer than its share scrolls in its box.
void ElementsWindow::layOutFormulaRow() {
  std::array<QLineEdit*, kSlotCount + 1> boxes{multiplier_};
  std::array<int, kSlotCount + 1> base{zoom_.twipsToPixels(kMultiplierPlace.width)}, wanted{};
  for (int i = 0; i < kSlotCount; ++i) {
    boxes[i + 1] = counts_[i];
    base[i + 1] = zoom_.twipsToPixels(kCountWidth);
  }
  int room = tileRect(*findElement("He")).left() - 2 - zoom_.twipsToPixels(kClearPlace.left) -
             clearFormula_->width();
  for (std::size_t b = 0; b < boxes.size(); ++b) {
    boxes[b]->ensurePolished();
    const int text = boxes[b]->fontMetrics().horizontalAdvance(boxes[b]->text()) + 6;
    wanted[b] = std::max(0, text - base[b]);
  }
  // The largest share of the room each box may take: enough for all, or an equal level.
  int level = *std::max_element(wanted.begin(), wanted.end());
  while (level > 0) {
    int used = 0;
    for (int w : wanted) used += std::min(w, level);
    if (used <= room) break;
    --level;
  }
  const int gap = zoom_.twipsToPixels(15);
  const Twips& mp = kMultiplierPlace;
  multiplier_->setGeometry(zoom_.twipsToPixels(mp.left), zoom_.twipsToPixels(mp.top),
                           base[0] + std::min(wanted[0], level), zoom_.twipsToPixels(mp.height));
  int right = multiplier_->geometry().right();
  for (int i = 0; i < kSlotCount; ++i) {
    const SlotRow& row = kSlots[i];
    const int left = std::max(zoom_.twipsToPixels(row.slot.left), right + 1 + gap);
    slots_[i]->move(left, slots_[i]->y());
    const int boxLeft = left + zoom_.twipsToPixels(row.countLeft - row.slot.left);
    counts_[i]->setGeometry(boxLeft, counts_[i]->y(), base[i + 1] + std::min(wanted[i + 1], level),
                            counts_[i]->height());
    right = std::max(slots_[i]->geometry().right(), counts_[i]->geometry().right());
  }
  clearFormula_->move(std::max(zoom_.twipsToPixels(kClearPlace.left), right + 1 + gap),
                      clearFormula_->y());
}

void ElementsWindow::drawTile(QPainter& p, const Element& e, QRect r, bool current) const {
  // Neighbouring tiles share their border lines.
  const QRect body(r.left(), r.top(), zoom_.twipsToPixels(kColumnPitch),
                   zoom_.twipsToPixels(kRowPitch));
  const int one = zoom_.zoomedPixels(1);
  p.setPen(QPen(QColor(0x50, 0x50, 0x58), 1));
  p.setBrush(groupColour(elementGroup(e.number)));
  p.drawRect(body);
  if (current) {
    p.setPen(QPen(QColor(0x20, 0x40, 0xC0), 2 * one));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body.adjusted(one, one, -one, -one));
  }
  // The keyboard's place: a black and white dashed ring inside the tile.
  if (tiles_[std::size_t(e.number - 1)]->hasFocus()) {
    const QRect ring = body.adjusted(3 * one, 3 * one, -3 * one, -3 * one);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2 * one));
    p.drawRect(ring);
    p.setPen(QPen(Qt::black, 2 * one, Qt::DashLine));
    p.drawRect(ring);
  }
  p.setPen(QColor(0x30, 0x30, 0x30));
  QFont number = font();
  number.setPixelSize(zoom_.scaledPixels(8));
  p.setFont(number);
  p.drawText(body.adjusted(zoom_.zoomedPixels(3), zoom_.zoomedPixels(2), -zoom_.zoomedPixels(2), 0),
             Qt::AlignLeft | Qt::AlignTop, QString::number(e.number));
  QFont symbol = font();
  symbol.setPixelSize(zoom_.scaledPixels(e.symbol.size() > 2 ? 11 : 14));
  symbol.setBold(true);
  p.setFont(symbol);
  p.setPen(Qt::black);
  p.drawText(body.adjusted(0, zoom_.zoomedPixels(10), 0, 0), Qt::AlignCenter, q(e.symbol));
}

void ElementsWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const std::string& current = model_.elements().state().info.symbol;
  for (const Element& e : kElements) drawTile(p, e, tileRect(e), e.symbol == current);
}

void ElementsWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (pressed_ && (event->buttons() & Qt::LeftButton) &&
      (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    const Element* e = pressed_;
    pressed_ = nullptr;
    startDrag(*e);
    return;
  }
  // Every movement over a tile describes its element; elsewhere the last one stays.
  if (const Element* e = tileAt(pos)) {
    model_.elemHover(e->symbol);
    refresh();
  }
}

void ElementsWindow::mousePressEvent(QMouseEvent* event) {
  pressPos_ = event->position().toPoint();
  pressed_ = event->button() == Qt::LeftButton ? tileAt(pressPos_) : nullptr;
  if (pressed_) {
    model_.elemHover(pressed_->symbol);
    refresh();
  }
}

void ElementsWindow::startDrag(const Element& e) {
  const QRect r = tileRect(e);
  QPixmap icon(zoom_.twipsToPixels(kColumnPitch) + 1, zoom_.twipsToPixels(kRowPitch) + 1);
  icon.fill(Qt::transparent);
  {
    QPainter p(&icon);
    drawTile(p, e, QRect(QPoint(0, 0), r.size()), false);
  }
  auto* mime = new QMimeData;
  mime->setText(q(e.symbol));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  drag->setPixmap(icon);
  drag->setHotSpot(pressPos_ - r.topLeft());
  drag->exec(Qt::CopyAction);
}

void ElementsWindow::toDisplay(void (Model::*click)()) {
  (model_.*click)();
  refresh();
  if (changed_) changed_();
}

bool ElementsWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(event);
      auto* w = qobject_cast<QWidget*>(watched);
      if (!w || me->button() != Qt::LeftButton || !w->rect().contains(me->position().toPoint()))
        break;
      if (watched == atomicNumber_) toDisplay(&Model::elemNumberClick);
      if (watched == atomicMass_) toDisplay(&Model::elemMassClick);
      if (watched == molarMass_) toDisplay(&Model::molarResultClick);
      break;
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) break;
      if (watched == atomicNumber_) toDisplay(&Model::elemNumberClick);
      if (watched == atomicMass_) toDisplay(&Model::elemMassClick);
      if (watched == molarMass_) toDisplay(&Model::molarResultClick);
      return watched == atomicNumber_ || watched == atomicMass_ || watched == molarMass_;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      if (watched == atomicNumber_ || watched == atomicMass_ || watched == molarMass_)
        showFocusFrame(static_cast<QLabel*>(watched), event->type() == QEvent::FocusIn);
      break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* de = static_cast<QDragMoveEvent*>(event);
      if (dragged(de->mimeData())) {
        de->setDropAction(Qt::CopyAction);
        de->accept();
      } else {
        de->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* de = static_cast<QDropEvent*>(event);
      const auto it = std::find(slots_.begin(), slots_.end(), watched);
      const Element* e = dragged(de->mimeData());
      if (it == slots_.end() || !e) {
        de->ignore();
        return true;
      }
      model_.molarDrop(static_cast<int>(it - slots_.begin()) + 1, e->symbol);
      de->setDropAction(Qt::CopyAction);
      de->accept();
      refresh();
      return true;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// Closing unloads the window: the formula slots are empty when it opens again.
void ElementsWindow::closeEvent(QCloseEvent* event) {
  model_.elements().windowClosed();
  refresh();
  event->accept();
}

}  // namespace zova

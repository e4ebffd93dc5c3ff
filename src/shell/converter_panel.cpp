// The converter and constants panel of the fold-out area: category buttons, the two lists and
// Convert.
#include "shell/converter_panel.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "model/window_geometry.h"
#include "shell/key_colours.h"
#include "shell/qt_text.h"
#include "shell/screen_scale.h"
#include "shell/translation.h"

namespace zova {

namespace {
// The panel's places are main-window twips; the fold-out area starts where the
// closed window ends.
constexpr int kAreaLeft = kClosedWidth;
constexpr int kAreaWidth = kOpenWidth - kAreaLeft;
constexpr int kAreaHeight = 4035;

// Controls are placed in twips; the panel's colour groups come with their places.
struct ButtonPlace {
  Category category;
  const char* control;
  ColourGroup group;
  int left, top;
};
constexpr int kButtonWidth = 645, kButtonHeight = 375;
using G = ColourGroup;
constexpr ButtonPlace kButtons[] = {
    {Category::kLength, "Length", G::kStandard, 3630, 450},
    {Category::kArea, "Area", G::kStandard, 4260, 450},
    {Category::kVolume, "Volume", G::kStandard, 4890, 450},
    {Category::kWeight, "Weight", G::kStandard, 5520, 450},
    {Category::kTemperature, "Temperature", G::kStandard, 6150, 450},
    {Category::kForce, "Force", G::kStandard, 3630, 810},
    {Category::kPressure, "Pressure", G::kStandard, 4260, 810},
    {Category::kEnergy, "Energy", G::kStandard, 4890, 810},
    {Category::kPower, "Power", G::kStandard, 5520, 810},
    {Category::kTime, "Time", G::kStandard, 6150, 810},
};

}  // namespace

enum class ConverterPanel::Part {
  kConstantsKey,
  kFromMarker,
  kToMarker,
  kFromLabel,
  kToLabel,
  kFromList,
  kToList,
  kConvertKey
};

namespace {

// The other controls, in the order they stack: a marker lies behind its list
// and shows as a border around it. kOwn: no key colour.
struct PartPlace {
  ConverterPanel::Part part;
  const char* control;
  ColourGroup group;
  int left, top, width, height;
};
using Part = ConverterPanel::Part;
constexpr PartPlace kParts[] = {
    {Part::kConstantsKey, "constantsKey", G::kStandard, 3630, 1170, 3165, 270},
    {Part::kFromMarker, "fromMarker", G::kOwn, 3570, 1740, 3255, 405},
    {Part::kToMarker, "toMarker", G::kOwn, 3570, 2700, 3255, 405},
    {Part::kFromLabel, "fromLabel", G::kOwn, 3600, 1530, 1200, 255},
    {Part::kToLabel, "toLabel", G::kOwn, 3600, 2490, 1200, 255},
    {Part::kFromList, "fromList", G::kOwn, 3600, 1770, 3195, 345},
    {Part::kToList, "toList", G::kOwn, 3600, 2730, 3195, 345},
    {Part::kConvertKey, "convertKey", G::kStandard, 3630, 3510, 3165, 375},
};

QFrame* marker(QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setFrameStyle(QFrame::NoFrame);
  f->setAutoFillBackground(true);
  QPalette p = f->palette();
  p.setColor(QPalette::Window, QColor(0xC0, 0x20, 0x20));
  f->setPalette(p);
  f->hide();
  return f;
}

// Units and constants show translated; the model knows them by their English
// names. A text that is no entry (a name being typed) shows as it is.
QString comboText(const ComboList& c) {
  for (const std::string& item : c.items)
    if (item == c.text) return shown("Converter", item);
  return QString::fromStdString(c.text);
}

// Puts the model's entries and text into a list, touching it only where it differs,
// so that typing in it keeps the cursor where it is.
void showList(QComboBox* box, const ComboList& list) {
  const QSignalBlocker block(box);
  bool same = box->count() == static_cast<int>(list.items.size());
  for (int i = 0; same && i < box->count(); ++i)
    same = box->itemText(i) == shown("Converter", list.items[i]);
  if (!same) {
    box->clear();
    for (const std::string& item : list.items) box->addItem(shown("Converter", item));
  }
  const QString text = comboText(list);
  if (box->currentText() != text) {
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
  }
}
}  // namespace

ConverterCombo::ConverterCombo(std::function<void()> onOpen, QWidget* parent)
    : QComboBox(parent), onOpen_(std::move(onOpen)) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);  // the box holds exactly what was typed
  setMaxVisibleItems(16);
}

// The closed box keeps its place; the list that drops down is as wide as its
// longest entry, so that long constant names show whole.
void ConverterCombo::showPopup() {
  if (onOpen_) onOpen_();
  QAbstractItemView* list = view();
  const int scrollBar =
      count() > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
  list->setMinimumWidth(list->sizeHintForColumn(0) + scrollBar + 2 * list->frameWidth());
  QComboBox::showPopup();
}

void ConverterCombo::keyPressEvent(QKeyEvent* event) {
  stepping_ = !(event->modifiers() & Qt::AltModifier) &&
              (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
               event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown);
  QComboBox::keyPressEvent(event);
  stepping_ = false;
}

void ConverterPanel::place(QWidget* w, int left, int top, int width, int height) {
  zoom_.followZoom(w, [this, w, left, top, width, height] {
    w->setGeometry(zoom_.twipsToPixels(left - kAreaLeft), zoom_.twipsToPixels(top),
                   zoom_.twipsToPixels(width), zoom_.twipsToPixels(height));
  });
}

ConverterPanel::ConverterPanel(Model& model, std::function<void()> changed, Zoom& zoom,
                               QWidget* parent)
    : QWidget(parent), model_(model), zoom_(zoom), changed_(std::move(changed)) {
  zoom_.followZoom(this, [this] {
    setMinimumSize(zoom_.twipsToPixels(kAreaWidth), zoom_.twipsToPixels(kAreaHeight));
  });
  for (const ButtonPlace& p : kButtons) {
    QPushButton* b = addCategory(p.category);
    b->setObjectName(QString::fromLatin1(p.control));
    setColourGroup(b, p.group);
    place(b, p.left, p.top, kButtonWidth, kButtonHeight);
  }
  for (const PartPlace& p : kParts) {
    QWidget* w = makePart(p.part);
    w->setObjectName(QString::fromLatin1(p.control));
    setColourGroup(w, p.group);
    place(w, p.left, p.top, p.width, p.height);
  }
  // The labels above the lists name them to a screen reader.
  fromLabel_->setBuddy(fromList_);
  toLabel_->setBuddy(toList_);
  refresh();
}

QPushButton* ConverterPanel::addCategory(Category category) {
  const CategoryRow& row = categoryRow(category);
  auto* b = new QPushButton(shown("Converter", row.caption), this);
  if (row.binding.code) b->setToolTip(shownText(keyboardTooltip(row.binding)));
  b->setFocusPolicy(Qt::TabFocus);
  // The captions must fit buttons 43 pixels wide.
  zoom_.setZoomedFont(b, b->font(), 10);
  const std::string action(row.action);
  connect(b, &QPushButton::clicked, this, [this, action] {
    model_.convCategory(action);
    done();
  });
  return b;
}

QWidget* ConverterPanel::makePart(Part part) {
  switch (part) {
    case Part::kConstantsKey:
      return constants_ = addKey(shown("Converter", kKonstantCaption), kKonstantKey,
                                 [](Model& m) { m.convConstants(); });
    case Part::kFromMarker:
      return fromMarker_ = marker(this);
    case Part::kToMarker:
      return toMarker_ = marker(this);
    case Part::kFromLabel:
      return fromLabel_ = new QLabel(this);
    case Part::kToLabel:
      return toLabel_ = new QLabel(this);
    case Part::kFromList:
      return fromList_ = addList(true);
    case Part::kToList:
      return toList_ = addList(false);
    case Part::kConvertKey:
      return convert_ = addKey(QString(), kConvertKey, [](Model& m) { m.convGo(); });
  }
  return nullptr;
}

QPushButton* ConverterPanel::addKey(const QString& caption, KeyBinding binding,
                                    void (*press)(Model& m)) {
  auto* b = new QPushButton(caption, this);
  b->setToolTip(shownText(keyboardTooltip(binding)));
  b->setFocusPolicy(Qt::TabFocus);
  connect(b, &QPushButton::clicked, this, [this, press] {
    press(model_);
    done();
  });
  return b;
}

ConverterCombo* ConverterPanel::addList(bool from) {
  auto* box = new ConverterCombo(
      [this, from] {
        from ? model_.convOpenFrom() : model_.convOpenTo();
        done();
      },
      this);
  // What is typed or chosen goes to the model in its English words: the list
  // shows the model's entries in their order, so the entry shown as the text
  // is the one meant; any other text stays as it is.
  auto set = [this, box, from](const QString& text) {
    const ConverterState& s = model_.converter().state();
    const std::vector<std::string>& items = from ? s.fromList.items : s.toList.items;
    const int at = box->findText(text);
    const std::string english = at >= 0 && static_cast<std::size_t>(at) < items.size()
                                    ? items[static_cast<std::size_t>(at)]
                                    : text.toStdString();
    if (from)
      model_.convSetFrom(english);
    else
      model_.convSetTo(english);
    done();
  };
  // A choice made in the dropped-down list gives the keys back to the calculator; an
  // arrow key's step through the closed list and typed text keep them.
  connect(box, &QComboBox::activated, this, [this, box, set](int i) {
    set(box->itemText(i));
    if (!box->stepping()) model_.toolkit().focusEquals();
  });
  connect(box->lineEdit(), &QLineEdit::textEdited, this, set);
  return box;
}

// Hiding the panel as it goes moves the focus out of a list's typed text, and
// an editable list then reports that text as chosen: by then nothing of this
// panel may run, so the lists are cut off from it first.
ConverterPanel::~ConverterPanel() {
  for (ConverterCombo* box : {fromList_, toList_}) {
    box->disconnect(this);
    box->lineEdit()->disconnect(this);
  }
}

void ConverterPanel::done() {
  refresh();
  if (changed_) changed_();
}

void ConverterPanel::refresh() {
  const ConverterState& s = model_.converter().state();
  convert_->setText(shown("Converter", s.convertCaption));
  fromLabel_->setText(shown("Converter", s.fromCaption));
  toLabel_->setText(shown("Converter", s.toCaption));
  // The box typed into inside each list is named as the list.
  fromList_->lineEdit()->setAccessibleName(fromLabel_->text());
  toList_->lineEdit()->setAccessibleName(toLabel_->text());
  fromMarker_->setVisible(s.fromMarkerVisible);
  toMarker_->setVisible(s.toMarkerVisible);
  showList(fromList_, s.fromList);
  showList(toList_, s.toList);
}

}  // namespace zova

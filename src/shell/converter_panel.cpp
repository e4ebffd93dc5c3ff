// The converter and constants panel of the fold-out area: category buttons, the two lists and
// Convert.
#include "shell/converter_panel.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "model/window_geometry.h"
#include "shell/qt_text.h"
#include "shell/screen_scale.h"

namespace zova {

namespace {
// The panel's places are main-window twips; the fold-out area starts where the
// closed window ends.
constexpr int kAreaLeft = kClosedWidth;
constexpr int kAreaWidth = kOpenWidth - kAreaLeft;
constexpr int kAreaHeight = 4035;

struct ButtonPlace {
  Category category;
  const char* control;
  int left, top;
};
constexpr int kButtonWidth = 645, kButtonHeight = 375;
constexpr ButtonPlace kButtons[] = {
    {Category::kLength, "Length", 3630, 450},
    {Category::kArea, "Area", 4260, 450},
    {Category::kVolume, "Volume", 4890, 450},
    {Category::kWeight, "Weight", 5520, 450},
    {Category::kTemperature, "Temperature", 6150, 450},
    {Category::kForce, "Force", 3630, 810},
    {Category::kPressure, "Pressure", 4260, 810},
    {Category::kEnergy, "Energy", 4890, 810},
    {Category::kPower, "Power", 5520, 810},
    {Category::kTime, "Time", 6150, 810},
};

QFrame* marker(const char* name, QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setFrameStyle(QFrame::NoFrame);
  f->setAutoFillBackground(true);
  QPalette p = f->palette();
  p.setColor(QPalette::Window, QColor(0xC0, 0x20, 0x20));
  f->setPalette(p);
  f->hide();
  return f;
}

QString comboText(const ComboList& c) { return QString::fromStdString(c.text); }

// Puts the model's entries and text into a list, touching it only where it differs,
// so that typing in it keeps the cursor where it is.
void showList(QComboBox* box, const ComboList& list) {
  const QSignalBlocker block(box);
  bool same = box->count() == static_cast<int>(list.items.size());
  for (int i = 0; same && i < box->count(); ++i)
    same = box->itemText(i) == QString::fromStdString(list.items[i]);
  if (!same) {
    box->clear();
    for (const std::string& item : list.items) box->addItem(QString::fromStdString(item));
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

void ConverterPanel::place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(twipsToPixels(left - kAreaLeft), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

ConverterPanel::ConverterPanel(Model& model, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), model_(model), changed_(std::move(changed)) {
  setMinimumSize(twipsToPixels(kAreaWidth), twipsToPixels(kAreaHeight));

  for (const ButtonPlace& p : kButtons) {
    const CategoryRow& row = categoryRow(p.category);
    auto* b = new QPushButton(q(row.caption), this);
    b->setObjectName(QString::fromLatin1(p.control));
    if (row.binding.code) b->setToolTip(q(keyboardTooltip(row.binding)));
    b->setFocusPolicy(Qt::NoFocus);
    // The captions must fit buttons 43 pixels wide.
    QFont small = b->font();
    small.setPixelSize(scaledPixels(10));
    b->setFont(small);
    place(b, p.left, p.top, kButtonWidth, kButtonHeight);
    const std::string action(row.action);
    connect(b, &QPushButton::clicked, this, [this, action] {
      model_.convCategory(action);
      done();
    });
    categories_[p.category] = b;
  }

  konstant_ = new QPushButton(q(kKonstantCaption), this);
  konstant_->setObjectName(QStringLiteral("Konstant"));
  konstant_->setToolTip(q(keyboardTooltip(kKonstantKey)));
  konstant_->setFocusPolicy(Qt::NoFocus);
  place(konstant_, 3630, 1170, 3165, 270);
  connect(konstant_, &QPushButton::clicked, this, [this] {
    model_.convConstants();
    done();
  });

  // The markers lie behind their lists and show as a border around them.
  constant1_ = marker("Constant1", this);
  place(constant1_, 3570, 1740, 3255, 405);
  constant2_ = marker("Constant2", this);
  place(constant2_, 3570, 2700, 3255, 405);

  fromm_ = new QLabel(this);
  fromm_->setObjectName(QStringLiteral("Fromm"));
  place(fromm_, 3600, 1530, 1200, 255);
  too_ = new QLabel(this);
  too_->setObjectName(QStringLiteral("too"));
  place(too_, 3600, 2490, 1200, 255);

  fromList_ = new ConverterCombo(
      [this] {
        model_.convOpenFrom();
        done();
      },
      this);
  fromList_->setObjectName(QStringLiteral("fromList"));
  place(fromList_, 3600, 1770, 3195, 345);
  toList_ = new ConverterCombo(
      [this] {
        model_.convOpenTo();
        done();
      },
      this);
  toList_->setObjectName(QStringLiteral("toList"));
  place(toList_, 3600, 2730, 3195, 345);
  for (ConverterCombo* box : {fromList_, toList_}) {
    const bool from = box == fromList_;
    auto set = [this, from](const QString& text) {
      if (from)
        model_.convSetFrom(text.toStdString());
      else
        model_.convSetTo(text.toStdString());
      done();
    };
    // A choice made in the list gives the keys back to the calculator; typed text keeps them.
    connect(box, &QComboBox::activated, this, [this, box, set](int i) {
      set(box->itemText(i));
      model_.toolkit().focusEquals();
    });
    connect(box->lineEdit(), &QLineEdit::textEdited, this, set);
  }

  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("OK"));
  ok_->setToolTip(q(keyboardTooltip(kConvertKey)));
  ok_->setFocusPolicy(Qt::NoFocus);
  place(ok_, 3630, 3510, 3165, 375);
  connect(ok_, &QPushButton::clicked, this, [this] {
    model_.convGo();
    done();
  });

  refresh();
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
  ok_->setText(QString::fromStdString(s.convertCaption));
  fromm_->setText(QString::fromStdString(s.fromCaption));
  too_->setText(QString::fromStdString(s.toCaption));
  constant1_->setVisible(s.fromMarkerVisible);
  constant2_->setVisible(s.toMarkerVisible);
  showList(fromList_, s.fromList);
  showList(toList_, s.toList);
}

}  // namespace zova

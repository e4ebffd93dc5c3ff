// The calculator window's parts as built: the keypad side (the display with its
// indicators, the personal label, the keypad) and the fold-out with Close Flap.
// Sizes in pixels are at the standard 96 dots per inch; scaledPixels makes them
// this desktop's, as twipsToPixels does for twips.
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>

#include "shell/key_button.h"
#include "shell/key_colours.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "shell/screen_scale.h"
#include "shell/translation.h"

namespace zova {

namespace {

// The keypad, top to bottom. Modes and functions sit in the upper block,
// memory and brackets just above the digits; digits, operators and the
// clearing keys form the lower block. "0" takes two columns; "=" two rows.
constexpr int kColumns = 6;
constexpr int kUpperRows = 4;
// clang-format off
constexpr std::array<std::array<Key, kColumns>, 8> kLayout = {{
    {Key::kInverse, Key::kHyperbolic, Key::kMode, Key::kBase, Key::kToDms, Key::kFromDms},
    {Key::kSin, Key::kCos, Key::kTan, Key::kLog, Key::kLn, Key::kFraction},
    {Key::kSqrt, Key::kSquare, Key::kPower, Key::kReciprocal, Key::kFactorial, Key::kPi},
    {Key::kOpen, Key::kClose, Key::kMemoryPlus, Key::kMemoryRecall, Key::kConstantIn, Key::kConstantOut},
    {Key::kDigit7, Key::kDigit8, Key::kDigit9, Key::kBack, Key::kClear, Key::kAllClear},
    {Key::kDigit4, Key::kDigit5, Key::kDigit6, Key::kMultiply, Key::kDivide, Key::kPercent},
    {Key::kDigit1, Key::kDigit2, Key::kDigit3, Key::kAdd, Key::kSubtract, Key::kEquals},
    {Key::kDigit0, Key::kDigit0, Key::kPoint, Key::kSign, Key::kExp, Key::kEquals},
}};
// clang-format on

// C, AC and "=", of neither group (their own in the key table), keep these colours; inv,
// of neither too, shows whether it is on (applyColours).
const std::pair<Key, QColor> kOwnColours[] = {{Key::kClear, QColor(0xd8, 0x62, 0x3e)},
                                              {Key::kAllClear, QColor(0xd8, 0x62, 0x3e)},
                                              {Key::kEquals, QColor(0x2f, 0x6c, 0xb3)}};

// The display's indicators, left to right; a stretch comes before the memory one.
// All in the bold face of the captions, in the digits' colour: the LED font's 5-pixel
// "d" read as "]" and its thin "r" as a dim "R".
struct Indicator {
  const char* name;
  const char* accessible;  ///< translated in the context "Window"
  int width;
  std::string CalcState::*caption;
};
constexpr Indicator kIndicators[] = {
    {"inverseIndicator", QT_TRANSLATE_NOOP("Window", "inverse indicator"), 24,
     &CalcState::invCaption},
    {"hyperbolicIndicator", QT_TRANSLATE_NOOP("Window", "hyperbolic indicator"), 12,
     &CalcState::hypCaption},
    {"degreesIndicator", QT_TRANSLATE_NOOP("Window", "degrees indicator"), 14,
     &CalcState::degCaption},
    {"radiansIndicator", QT_TRANSLATE_NOOP("Window", "radians indicator"), 14,
     &CalcState::radCaption},
    {"gradsIndicator", QT_TRANSLATE_NOOP("Window", "grads indicator"), 14, &CalcState::gradCaption},
    {"memoryIndicator", QT_TRANSLATE_NOOP("Window", "memory indicator"), 18,
     &CalcState::memoryCaption},
    {"baseIndicator", QT_TRANSLATE_NOOP("Window", "number base indicator"), 34,
     &CalcState::baseCaption},
    {"fractionIndicator", QT_TRANSLATE_NOOP("Window", "fraction indicator"), 42,
     &CalcState::fractionCaption}};

// Gives w the font `base` in `weight` at `pixels`, at every zoom.
void setPixelFont(Zoom& zoom, QWidget* w, QFont base, int pixels,
                  QFont::Weight weight = QFont::Normal) {
  base.setWeight(weight);
  zoom.setZoomedFont(w, base, pixels);
}

}  // namespace

QWidget* MainWindow::buildBody(QWidget* parent) {
  auto* body = new QWidget(parent);
  body->setObjectName(QStringLiteral("keypadSide"));
  auto* column = new QVBoxLayout(body);
  zoom_.followZoom(body, [this, column] {
    column->setContentsMargins(zoom_.scaledPixels(6), zoom_.scaledPixels(5), zoom_.scaledPixels(6),
                               zoom_.scaledPixels(6));
  });
  column->setSpacing(0);
  column->addWidget(buildDisplay(body));

  // The personal label, embossed: titleShadow is its highlight one pixel down and right.
  auto* title = new QWidget(body);
  title->setObjectName(QStringLiteral("titleStrip"));
  auto* titleGrid = new QGridLayout(title);
  titleShadow_ = new QLabel(title);
  title_ = new QLabel(title);
  titleShadow_->setObjectName(QStringLiteral("titleShadow"));
  title_->setObjectName(QStringLiteral("titleLabel"));
  for (QLabel* l : {titleShadow_, title_}) {
    l->setTextFormat(Qt::PlainText);  // the user's own text, shown as typed
    setPixelFont(zoom_, l, font(), 11, QFont::DemiBold);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titleGrid->addWidget(l, 0, 0);
  }
  titleShadow_->setContentsMargins(1, 1, 0, 0);
  title_->setContentsMargins(0, 0, 1, 1);
  const QString personal = QCoreApplication::translate("Window", "personal label");
  title_->setAccessibleName(personal);
  titleShadow_->setAccessibleName(personal);
  zoom_.followZoom(title, [this, title, titleGrid] {
    titleGrid->setContentsMargins(zoom_.scaledPixels(2), zoom_.scaledPixels(3),
                                  zoom_.scaledPixels(2), 0);
    title->setFixedHeight(zoom_.scaledPixels(17));
  });
  column->addWidget(title);
  keypad_ = buildKeypad(body);
  column->addWidget(keypad_, 1);
  column->addStretch(0);
  return body;
}

QWidget* MainWindow::buildDisplay(QWidget* parent) {
  auto* lcd = new QFrame(parent);
  lcd->setObjectName(QStringLiteral("lcd"));
  lcd->setAutoFillBackground(true);
  lcd->setFrameShape(QFrame::StyledPanel);
  lcd->setFrameShadow(QFrame::Sunken);
  lcd->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  lcd_ = lcd;
  auto* column = new QVBoxLayout(lcd);
  column->setSpacing(0);

  const QString led = tk_.fontFamily();
  auto* marks = new QHBoxLayout;
  zoom_.followZoom(lcd, [this, column, marks] {
    column->setContentsMargins(zoom_.scaledPixels(3), zoom_.scaledPixels(2), zoom_.scaledPixels(3),
                               zoom_.scaledPixels(3));
    marks->setSpacing(zoom_.scaledPixels(2));
  });
  for (const Indicator& ind : kIndicators) {
    auto* label = new QLabel(lcd);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QLatin1String(ind.name));
    label->setAccessibleName(QCoreApplication::translate("Window", ind.accessible));
    label->setAutoFillBackground(true);
    zoom_.followZoom(label, [this, label, width = ind.width] {
      label->setFixedSize(zoom_.scaledPixels(width), zoom_.scaledPixels(14));
    });
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setPixelFont(zoom_, label, font(), 12, QFont::Bold);
    if (ind.caption == &CalcState::memoryCaption) marks->addStretch(1);
    marks->addWidget(label);
    indicators_.push_back({label, ind.caption, ind.width});
  }
  column->addLayout(marks);

  display_ = new LedDisplay(lcd);
  display_->setObjectName(QStringLiteral("ledDisplay"));
  display_->setReadOnly(true);
  display_->setFrame(false);
  display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display_->setFocusPolicy(Qt::NoFocus);
  display_->setContextMenuPolicy(Qt::NoContextMenu);
  display_->setAccessibleName(QCoreApplication::translate("Window", "display"));
  zoom_.followZoom(display_, [this] { display_->setFixedHeight(zoom_.scaledPixels(32)); });
  display_->setTextMargins(0, 0, 0, 0);
  if (led.isEmpty())
    setPixelFont(zoom_, display_, QFont(QStringLiteral("Monospace")), 22, QFont::Bold);
  else
    setPixelFont(zoom_, display_, QFont(led), kDisplayPixels);
  display_->setLedFace(!led.isEmpty());
  column->addWidget(display_);
  return lcd;
}

QWidget* MainWindow::buildKeypad(QWidget* parent) {
  auto* pad = new QWidget(parent);
  pad->setObjectName(QStringLiteral("keypad"));
  auto* grid = new QGridLayout(pad);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(0);
  zoom_.followZoom(pad, [this, grid] {
    grid->setHorizontalSpacing(zoom_.scaledPixels(3));
    for (int r = 0; r < static_cast<int>(kLayout.size()); ++r)
      grid->setRowMinimumHeight(2 * r, zoom_.scaledPixels(r == kUpperRows ? 6 : 11));
  });

  // Grid row 2r holds the second-function captions of key row r, row 2r+1 its keys.
  for (int r = 0; r < static_cast<int>(kLayout.size()); ++r) {
    const bool upper = r < kUpperRows;
    grid->setRowStretch(2 * r + 1, upper ? 10 : 12);
    for (int c = 0; c < kColumns; ++c) {
      const Key key = kLayout[r][c];
      if (buttons_.count(key)) continue;  // the second cell of a wide or tall key
      int columnSpan = 1;
      while (c + columnSpan < kColumns && kLayout[r][c + columnSpan] == key) ++columnSpan;
      int rowSpan = 1;
      while (r + rowSpan < static_cast<int>(kLayout.size()) && kLayout[r + rowSpan][c] == key)
        ++rowSpan;

      const KeyRow& row = keyRow(key);
      // The point key shows the decimal symbol it types, the locale's.
      auto* b = new KeyButton(key == Key::kPoint ? q(model_.locale().decimal) : q(row.caption),
                              zoom_, pad);
      b->setObjectName(q(row.control));
      setColourGroup(b, row.group);
      const QString tooltip = shownText(keyboardTooltip(row));
      const QString accessible = shown("Keypad", row.accessible);
      b->setToolTip(tooltip);
      b->setAccessibleName(accessible);
      // Tab reaches every key; a click leaves the focus on "=".
      b->setFocusPolicy(key == Key::kEquals ? Qt::StrongFocus : Qt::TabFocus);
      b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
      const bool digit = key <= Key::kDigit9 || key == Key::kPoint || key == Key::kSign;
      const bool arithmetic = key == Key::kAdd || key == Key::kSubtract || key == Key::kMultiply ||
                              key == Key::kDivide || key == Key::kEquals;
      if (digit || arithmetic)
        setPixelFont(zoom_, b, font(), 15, QFont::DemiBold);
      else
        setPixelFont(zoom_, b, font(), 11);
      connect(b, &QPushButton::clicked, this,
              [this, key] { run([this, key] { model_.press(key); }); });
      grid->addWidget(b, 2 * r + 1, c, 2 * rowSpan - 1, columnSpan);
      buttons_[key] = b;

      if (!row.second.empty()) {
        auto* second = new QLabel(q(row.second), pad);
        second->setTextFormat(Qt::PlainText);
        second->setObjectName(QStringLiteral("second_") + q(row.control));
        setPixelFont(zoom_, second, font(), 9, QFont::DemiBold);
        second->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        zoom_.followZoom(second,
                         [this, second] { second->setFixedHeight(zoom_.scaledPixels(11)); });
        second->setAccessibleName(QCoreApplication::translate("Window", "second function of ") +
                                  accessible);
        second->setAccessibleDescription(q(row.second));
        b->setAccessibleDescription(
            tooltip + QCoreApplication::translate("Window", ". With inv: ") + q(row.second));
        grid->addWidget(second, 2 * r, c, 1, columnSpan);
        secondCaptions_.push_back(second);
      }
    }
  }
  for (int c = 0; c < kColumns; ++c) grid->setColumnStretch(c, 1);

  // The special keys' fixed colours.
  for (const auto& [key, colour] : kOwnColours) setBackColour(buttons_[key], colour);
  return pad;
}

// The panels take the whole fold-out area (the converter places its controls
// in the area's own coordinates); Close Flap sits below them.
QWidget* MainWindow::buildFoldOut(QWidget* parent) {
  auto* fold = new QWidget(parent);
  fold->setObjectName(QStringLiteral("foldOut"));
  rule_ = new QFrame(fold);
  rule_->setFrameShape(QFrame::VLine);
  rule_->setFrameShadow(QFrame::Sunken);

  closeFlap_ = new QPushButton(QCoreApplication::translate("Window", "Close Flap"), fold);
  closeFlap_->setObjectName(QStringLiteral("closeFlapKey"));
  closeFlap_->setFocusPolicy(Qt::NoFocus);
  setColourGroup(closeFlap_, ColourGroup::kStandard);
  closeFlap_->setAccessibleName(QCoreApplication::translate("Window", "close the fold-out"));
  connect(closeFlap_, &QPushButton::clicked, this,
          [this] { run([this] { model_.closeFoldOut(); }); });
  return fold;
}

}  // namespace zova

// The calculator window's construction and redraw.
#include "shell/main_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zova {

namespace {
constexpr int kWidthTwips = 3300;
constexpr int kHeightTwips = 5340;
constexpr double kTwipsPerPixel = 15.0;

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// Keypad rows, grouped: modes, functions, memory, then digits and operators.
const std::vector<std::vector<Key>> kLayout = {
    {Key::Inv, Key::Hyp, Key::Mode, Key::Base, Key::Stack, Key::Fraction},
    {Key::Sin, Key::Cos, Key::Tan, Key::Log, Key::Ln, Key::ToDms},
    {Key::Sqrt, Key::Square, Key::Power, Key::Recip, Key::Fact, Key::FromDms},
    {Key::Pi, Key::Open, Key::Close, Key::Percent, Key::MPlus, Key::MR},
    {Key::D7, Key::D8, Key::D9, Key::Back, Key::Clear, Key::AllClear},
    {Key::D4, Key::D5, Key::D6, Key::Multiply, Key::Divide, Key::Kin},
    {Key::D1, Key::D2, Key::D3, Key::Add, Key::Subtract, Key::Kout},
    {Key::D0, Key::Point, Key::Sign, Key::Exp, Key::Equals},
};
}  // namespace

MainWindow::MainWindow(Model& model, QtToolkit& toolkit) : model_(model), tk_(toolkit) {
  setWindowTitle(QStringLiteral("Zova"));
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(6, 6, 6, 6);
  column->setSpacing(4);

  display_ = new QLineEdit(central);
  display_->setObjectName(QStringLiteral("window"));
  display_->setReadOnly(true);
  display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display_->setFocusPolicy(Qt::NoFocus);
  display_->setAccessibleName(QStringLiteral("display"));
  if (!tk_.fontFamily().isEmpty()) {
    QFont led(tk_.fontFamily());
    led.setPointSize(16);
    display_->setFont(led);
  }
  display_->setStyleSheet(QStringLiteral("background:#c8d8b0; color:#102010; padding:4px;"));
  column->addWidget(display_);

  auto* indicatorRow = new QHBoxLayout();
  for (const char* name : {"invlabel", "hyplabel", "deglabel", "radlabel", "gradlabel", "Memory",
                           "LblBase", "Label7"}) {
    auto* label = new QLabel(central);
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(18);
    indicatorRow->addWidget(label);
    indicators_[name] = label;
  }
  indicatorRow->addStretch();
  column->addLayout(indicatorRow);

  auto* grid = new QGridLayout();
  grid->setSpacing(3);
  for (int r = 0; r < static_cast<int>(kLayout.size()); ++r) {
    for (int c = 0; c < static_cast<int>(kLayout[r].size()); ++c) {
      const KeyRow& row = keyRow(kLayout[r][c]);
      if (row.key != kLayout[r][c]) continue;  // a key this build does not have yet
      auto* b = new QPushButton(q(row.caption), central);
      b->setObjectName(q(row.control));
      b->setToolTip(q(row.tooltip));
      b->setAccessibleName(q(row.accessible));
      b->setFocusPolicy(row.key == Key::Equals ? Qt::StrongFocus : Qt::NoFocus);
      b->setMinimumHeight(24);
      const Key key = row.key;
      connect(b, &QPushButton::clicked, this, [this, key] { click(key); });
      // "=" takes the rest of the last row.
      const int span = row.key == Key::Equals ? 2 : 1;
      grid->addWidget(b, r, c, 1, span);
      buttons_[key] = b;
    }
  }
  column->addLayout(grid);
  setCentralWidget(central);
  setFixedSize(static_cast<int>(kWidthTwips / kTwipsPerPixel),
               static_cast<int>(kHeightTwips / kTwipsPerPixel));
  if (auto* eq = button(Key::Equals)) {
    eq->setDefault(true);
    tk_.attach(this, eq);
  }
  refresh();
}

MainWindow::~MainWindow() = default;

QPushButton* MainWindow::button(Key key) const {
  auto it = buttons_.find(key);
  return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::click(Key key) {
  model_.press(key);
  refresh();
}

void MainWindow::refresh() {
  const CalcState& s = model_.calc().state();
  display_->setText(QString::fromStdString(s.window));
  const std::map<std::string, const std::string*> captions = {
      {"invlabel", &s.invlabel}, {"hyplabel", &s.hyplabel},   {"deglabel", &s.deglabel},
      {"radlabel", &s.radlabel}, {"gradlabel", &s.gradlabel}, {"Memory", &s.Memory},
      {"LblBase", &s.LblBase},   {"Label7", &s.Label7}};
  for (const auto& [name, text] : captions)
    indicators_[name]->setText(QString::fromStdString(*text));
  if (auto* b = button(Key::Open)) b->setToolTip(QString::fromStdString(s.openTip));
  if (auto* b = button(Key::Close)) b->setToolTip(QString::fromStdString(s.closeTip));
}

}  // namespace zova

// The financial panel of the fold-out area: time value of money and amortization cells and keys.
#include "shell/finance_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "shell/qt_text.h"
#include "shell/screen_scale.h"

namespace zova {

namespace {
// Grid columns: the cell's name, the cell, the key that computes or uses it.
constexpr int kNameColumn = 0, kCellColumn = 1, kKeyColumn = 2;
constexpr int kRowHeight = 20;
constexpr int kKeyWidth = 64;

QLabel* heading(const char* name, const char* text, QWidget* parent) {
  auto* l = new QLabel(QString::fromLatin1(text), parent);
  l->setObjectName(QString::fromLatin1(name));
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}
}  // namespace

FinancePanel::FinancePanel(Model& model, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), model_(model), changed_(std::move(changed)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  grid->setColumnStretch(kCellColumn, 1);

  for (const FinCellRow& r : finCellTable()) {
    auto* c = new QLabel(this);
    c->setObjectName(q(r.control));
    c->setAccessibleName(q(r.label));
    c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c->setFixedHeight(scaledPixels(kRowHeight));
    c->setAutoFillBackground(true);
    c->setBackgroundRole(QPalette::Base);
    c->setCursor(Qt::PointingHandCursor);
    c->setMargin(1);
    c->installEventFilter(this);
    cells_[static_cast<std::size_t>(r.cell)] = c;
  }
  for (const FinKeyRow& r : finKeyTable()) {
    const FinKey k = r.key;
    keys_[static_cast<std::size_t>(k)] =
        addKey(q(r.control), q(r.caption), [this, k] { model_.finSolve(k); });
  }

  int row = 0;
  auto place = [&](FinCell c, QPushButton* key) {
    const FinCellRow& r = finCellRow(c);
    auto* name = new QLabel(q(r.label), this);
    name->setObjectName(q(r.control) + QStringLiteral("Label"));
    grid->addWidget(name, row, kNameColumn);
    grid->addWidget(cell(c), row, kCellColumn);
    if (key) grid->addWidget(key, row, kKeyColumn);
    ++row;
  };

  grid->addWidget(heading("finlab", "Time Value of Money", this), row++, 0, 1, 3);
  place(FinCell::kN, key(FinKey::kN));
  place(FinCell::kPmt, key(FinKey::kPmt));
  place(FinCell::kPv, key(FinKey::kPv));
  place(FinCell::kFv, key(FinKey::kFv));
  place(FinCell::kInt, key(FinKey::kInt));
  place(FinCell::kPpy, nullptr);
  place(FinCell::kRate, nullptr);

  start_ = new QCheckBox(QStringLiteral("Start"), this);
  start_->setObjectName(QStringLiteral("startBox"));
  end_ = new QCheckBox(QStringLiteral("End"), this);
  end_->setObjectName(QStringLiteral("endBox"));
  for (QCheckBox* box : {start_, end_}) box->setFocusPolicy(Qt::NoFocus);
  connect(start_, &QCheckBox::clicked, this, [this] {
    model_.finStart();
    done();
  });
  connect(end_, &QCheckBox::clicked, this, [this] {
    model_.finEnd();
    done();
  });
  auto* timing = new QHBoxLayout();
  timing->setSpacing(10);
  timing->addWidget(start_);
  timing->addWidget(end_);
  timing->addStretch(1);
  grid->addLayout(timing, row, kNameColumn, 1, 2);
  grid->addWidget(
      addKey(QStringLiteral("finClear"), QStringLiteral("Clear"), [this] { model_.finClear(); }),
      row++, kKeyColumn);

  grid->setRowMinimumHeight(row++, 4);
  grid->addWidget(heading("finlab2", "Amortization", this), row++, 0, 1, 3);
  place(FinCell::kPayments, addKey(QStringLiteral("finAmortize"), QStringLiteral("Amortize"),
                                   [this] { model_.finAmortize(); }));
  place(FinCell::kInterest, nullptr);
  place(FinCell::kPrincipal, nullptr);
  place(FinCell::kBalance,
        addKey(QStringLiteral("finToPv"), QStringLiteral("PV"), [this] { model_.finToPv(); }));
  grid->setRowStretch(row, 1);

  refresh();
}

QPushButton* FinancePanel::addKey(const QString& name, const QString& caption,
                                  std::function<void()> run) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setFocusPolicy(Qt::NoFocus);
  b->setFixedSize(scaledPixels(kKeyWidth), scaledPixels(kRowHeight + 2));
  connect(b, &QPushButton::clicked, this, [this, run = std::move(run)] {
    run();
    done();
  });
  return b;
}

bool FinancePanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* me = static_cast<QMouseEvent*>(event);
    for (const FinCellRow& r : finCellTable()) {
      QLabel* c = cell(r.cell);
      if (watched != c) continue;
      if (me->button() == Qt::LeftButton && c->rect().contains(me->position().toPoint())) {
        model_.finClick(r.cell);
        done();
      }
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
  const QSignalBlocker blockStart(start_), blockEnd(end_);
  start_->setChecked(fin.timing() == "Start");
  end_->setChecked(fin.timing() == "End");
}

}  // namespace zova

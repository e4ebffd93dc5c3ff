// The options dialog: its two tabs of controls, kept in step with the model's
// OptionsDialog, and the OK, Cancel and close-box rules.
#include "shell/options_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zova {

namespace {
constexpr int kMaxPlaces = 15;

QRadioButton* radio(const char* name, const char* text, QButtonGroup* group, int id,
                    QWidget* parent) {
  auto* b = new QRadioButton(QString::fromUtf8(text), parent);
  b->setObjectName(QString::fromLatin1(name));
  group->addButton(b, id);
  return b;
}

// Checks the button with this id, or none when no button has it.
void check(QButtonGroup* group, int id) {
  const QSignalBlocker block(group);
  if (QAbstractButton* b = group->button(id)) {
    b->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}
}  // namespace

OptionsWindow::OptionsWindow(Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("frmOptions"));
  setWindowTitle(QStringLiteral("Options"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::WindowStaysOnTopHint);
  setModal(true);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("TabStrip1"));

  // Number Format.
  frame3_ = new QWidget();
  frame3_->setObjectName(QStringLiteral("Frame3"));
  formats_ = new QButtonGroup(this);
  auto* formatColumn = new QVBoxLayout(frame3_);
  formatColumn->setContentsMargins(14, 12, 14, 12);
  formatColumn->setSpacing(6);
  formatColumn->addWidget(radio("OptionStand", "Standard", formats_,
                                static_cast<int>(NumberFormat::kStandard), frame3_));
  formatColumn->addWidget(
      radio("OptionFix", "Fix", formats_, static_cast<int>(NumberFormat::kFix), frame3_));
  formatColumn->addWidget(radio("OptionSci", "Scientific", formats_,
                                static_cast<int>(NumberFormat::kScientific), frame3_));
  formatColumn->addSpacing(8);
  auto* places = new QHBoxLayout();
  places->setSpacing(8);
  placesLabel_ = new QLabel(QStringLiteral("Decimal Places"), frame3_);
  placesLabel_->setObjectName(QStringLiteral("placesLabel"));
  text1_ = new QLineEdit(frame3_);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFixedWidth(40);
  text1_->setAlignment(Qt::AlignRight);
  placesLabel_->setBuddy(text1_);
  hscroll1_ = new QScrollBar(Qt::Horizontal, frame3_);
  hscroll1_->setObjectName(QStringLiteral("HScroll1"));
  hscroll1_->setRange(0, kMaxPlaces);
  hscroll1_->setSingleStep(1);
  hscroll1_->setPageStep(1);
  hscroll1_->setMinimumWidth(120);
  places->addWidget(placesLabel_);
  places->addWidget(text1_);
  places->addWidget(hscroll1_, 1);
  formatColumn->addLayout(places);
  formatColumn->addStretch(1);
  tabs_->addTab(frame3_, QStringLiteral("Number Format"));

  // Fraction Accuracy.
  auto* fractionPage = new QWidget();
  auto* fractionColumn = new QVBoxLayout(fractionPage);
  fractionColumn->setContentsMargins(10, 10, 10, 10);
  frame1_ = new QGroupBox(QStringLiteral("Radicals in fractions"), fractionPage);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  check2_ = new QCheckBox(QStringLiteral("Include Radicals"), frame1_);
  check2_->setObjectName(QStringLiteral("Check2"));
  (new QVBoxLayout(frame1_))->addWidget(check2_);
  fractionColumn->addWidget(frame1_);

  frame2_ = new QGroupBox(fractionPage);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  accuracies_ = new QButtonGroup(this);
  auto* accuracyColumn = new QVBoxLayout(frame2_);
  accuracyColumn->addWidget(
      radio("fracLow", "Low Accuracy", accuracies_, static_cast<int>(Accuracy::kLow), frame2_));
  accuracyColumn->addWidget(radio("fracMed", "Medium Accuracy (Recommended)", accuracies_,
                                  static_cast<int>(Accuracy::kMedium), frame2_));
  accuracyColumn->addWidget(radio("fracHigh", "High Accuracy (Not Recommended)", accuracies_,
                                  static_cast<int>(Accuracy::kHigh), frame2_));
  auto* warning = new QHBoxLayout();
  auto* warningTitle = new QLabel(QStringLiteral("WARNING:"), frame2_);
  warningTitle->setObjectName(QStringLiteral("warningTitle"));
  QFont bold = warningTitle->font();
  bold.setBold(true);
  warningTitle->setFont(bold);
  warningTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* warningText =
      new QLabel(QStringLiteral("Medium and High accuracy settings may cause the program to become "
                                "temporarily unresponsive."),
                 frame2_);
  warningText->setObjectName(QStringLiteral("warningText"));
  warningText->setWordWrap(true);
  warning->addWidget(warningTitle, 0, Qt::AlignTop);
  warning->addWidget(warningText, 1);
  accuracyColumn->addSpacing(4);
  accuracyColumn->addLayout(warning);
  fractionColumn->addWidget(frame2_);
  fractionColumn->addStretch(1);
  tabs_->addTab(fractionPage, QStringLiteral("Fraction Accuracy"));

  auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setDefault(true);
  auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));
  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);

  auto* column = new QVBoxLayout(this);
  column->addWidget(tabs_);
  column->addLayout(buttons);

  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    model_.options().selectTab(index == 0);
    refresh();
  });
  connect(formats_, &QButtonGroup::idClicked, this, [this](int id) {
    model_.options().selectFormat(static_cast<NumberFormat>(id));
    refresh();
  });
  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.options().setText(text.toStdString());
    refresh();
  });
  connect(hscroll1_, &QScrollBar::valueChanged, this, [this](int value) {
    model_.options().setScroll(value);
    refresh();
  });
  connect(check2_, &QCheckBox::clicked, this, [this](bool on) {
    model_.options().setRadicals(on);
    refresh();
  });
  connect(accuracies_, &QButtonGroup::idClicked, this, [this](int id) {
    model_.options().setAccuracy(static_cast<Accuracy>(id));
    refresh();
  });
  connect(okButton, &QPushButton::clicked, this, [this] { ok(); });
  connect(cancelButton, &QPushButton::clicked, this, [this] { reject(); });

  refresh();
}

void OptionsWindow::refresh() {
  const OptionsControls& c = model_.options().controls();
  {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(c.numberFormatTab ? 0 : 1);
  }
  check(formats_, static_cast<int>(c.format));
  check(accuracies_, static_cast<int>(c.accuracy));
  {
    const QSignalBlocker block(check2_);
    check2_->setChecked(c.radicals);
  }
  const QString text = QString::fromStdString(c.text1);
  if (text1_->text() != text) {
    const QSignalBlocker block(text1_);
    text1_->setText(text);
  }
  {
    const QSignalBlocker block(hscroll1_);
    hscroll1_->setValue(c.scroll);
  }
  for (QWidget* w : {static_cast<QWidget*>(placesLabel_), static_cast<QWidget*>(text1_),
                     static_cast<QWidget*>(hscroll1_)})
    w->setEnabled(c.placesEnabled);
}

void OptionsWindow::ok() {
  model_.closeOptions();
  accept();
}

void OptionsWindow::reject() {
  model_.options().cancel(model_.calc().state());
  refresh();
  QDialog::reject();
}

void OptionsWindow::showEvent(QShowEvent* event) {
  // A window restored from the task bar shows again without being opened anew.
  if (!event->spontaneous()) {
    model_.openOptions();
    refresh();
  }
  QDialog::showEvent(event);
}

// The close box unloads the dialog, which writes the settings like OK.
void OptionsWindow::closeEvent(QCloseEvent* event) {
  if (isVisible()) {
    model_.closeOptions();
    done(QDialog::Accepted);
  }
  event->accept();
}

}  // namespace zova

// The options dialog: its two tabs of controls, kept in step with the model's
// OptionsDialog, and the OK, Cancel and close-box rules.
#include "shell/options_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cstddef>

#include "shell/program_look.h"
#include "shell/translation.h"

namespace zova {

namespace {
constexpr int kMaxPlaces = 15;

// One option button of a group: its object name, caption and the value it selects.
struct Choice {
  const char* name;
  const char* caption;
  int id;
};

constexpr Choice kFormatChoices[] = {
    {"standard", QT_TRANSLATE_NOOP("Options", "Standard"),
     static_cast<int>(NumberFormat::kStandard)},
    {"fix", QT_TRANSLATE_NOOP("Options", "Fix"), static_cast<int>(NumberFormat::kFix)},
    {"scientific", QT_TRANSLATE_NOOP("Options", "Scientific"),
     static_cast<int>(NumberFormat::kScientific)},
};

constexpr Choice kAccuracyChoices[] = {
    {"low", QT_TRANSLATE_NOOP("Options", "Low Accuracy"), static_cast<int>(Accuracy::kLow)},
    {"medium", QT_TRANSLATE_NOOP("Options", "Medium Accuracy (Recommended)"),
     static_cast<int>(Accuracy::kMedium)},
    {"high", QT_TRANSLATE_NOOP("Options", "High Accuracy (Not Recommended)"),
     static_cast<int>(Accuracy::kHigh)},
};

// One option button per choice, down the column, in the group.
template <std::size_t N>
void addChoices(const Choice (&choices)[N], QButtonGroup* group, QBoxLayout* column,
                QWidget* parent) {
  for (const Choice& c : choices) {
    auto* b = new QRadioButton(QCoreApplication::translate("Options", c.caption), parent);
    b->setObjectName(QString::fromLatin1(c.name));
    group->addButton(b, c.id);
    column->addWidget(b);
  }
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
  setObjectName(QStringLiteral("optionsDialog"));
  setWindowTitle(QCoreApplication::translate("Options", "Options"));
  setWindowFlags(Qt::Dialog | kCloseOnlyTitleBar | Qt::WindowStaysOnTopHint);
  setModal(true);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->setAccessibleName(windowTitle());
  tabs_->addTab(buildNumberFormatPage(), QCoreApplication::translate("Options", "Number Format"));
  tabs_->addTab(buildFractionAccuracyPage(),
                QCoreApplication::translate("Options", "Fraction Accuracy"));
  QLayout* buttons = buildButtonRow();
  auto* column = new QVBoxLayout(this);
  column->addWidget(tabs_);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);  // nothing to stretch, nothing to maximise
  connectControls();
  refresh();
}

QWidget* OptionsWindow::buildNumberFormatPage() {
  auto* page = new QWidget();
  page->setObjectName(QStringLiteral("numberFormatPage"));
  formats_ = new QButtonGroup(this);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(14, 12, 14, 12);
  column->setSpacing(6);
  addChoices(kFormatChoices, formats_, column, page);
  column->addSpacing(8);
  auto* places = new QHBoxLayout();
  places->setSpacing(8);
  placesLabel_ = new QLabel(QCoreApplication::translate("Options", "Decimal Places"), page);
  placesLabel_->setObjectName(QStringLiteral("placesLabel"));
  placesBox_ = new QLineEdit(page);
  placesBox_->setObjectName(QStringLiteral("places"));
  placesBox_->setFixedWidth(40);
  placesBox_->setAlignment(Qt::AlignRight);
  placesLabel_->setBuddy(placesBox_);
  placesScrollBar_ = new QScrollBar(Qt::Horizontal, page);
  placesScrollBar_->setObjectName(QStringLiteral("placesScrollBar"));
  placesScrollBar_->setRange(0, kMaxPlaces);
  placesScrollBar_->setSingleStep(1);
  placesScrollBar_->setPageStep(1);
  placesScrollBar_->setMinimumWidth(120);
  placesScrollBar_->setAccessibleName(QCoreApplication::translate("Options", "Decimal Places"));
  places->addWidget(placesLabel_);
  places->addWidget(placesBox_);
  places->addWidget(placesScrollBar_, 1);
  column->addLayout(places);
  column->addStretch(1);
  return page;
}

QWidget* OptionsWindow::buildFractionAccuracyPage() {
  auto* page = new QWidget();
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(10, 10, 10, 10);
  auto* radicals =
      new QGroupBox(QCoreApplication::translate("Options", "Radicals in fractions"), page);
  radicals->setObjectName(QStringLiteral("radicalsFrame"));
  radicalsBox_ =
      new QCheckBox(QCoreApplication::translate("Options", "Include Radicals"), radicals);
  radicalsBox_->setObjectName(QStringLiteral("radicals"));
  (new QVBoxLayout(radicals))->addWidget(radicalsBox_);
  column->addWidget(radicals);

  auto* accuracy = new QGroupBox(page);
  accuracy->setObjectName(QStringLiteral("accuracyFrame"));
  accuracies_ = new QButtonGroup(this);
  auto* accuracyColumn = new QVBoxLayout(accuracy);
  addChoices(kAccuracyChoices, accuracies_, accuracyColumn, accuracy);
  auto* warning = new QHBoxLayout();
  auto* warningTitle = new QLabel(QCoreApplication::translate("Options", "WARNING:"), accuracy);
  warningTitle->setObjectName(QStringLiteral("warningTitle"));
  QFont bold = warningTitle->font();
  bold.setBold(true);
  warningTitle->setFont(bold);
  warningTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* warningText =
      new QLabel(QCoreApplication::translate("Options",
                                             "Medium and High accuracy settings may cause the "
                                             "program to become temporarily unresponsive."),
                 accuracy);
  warningText->setObjectName(QStringLiteral("warningText"));
  warningText->setWordWrap(true);
  warning->addWidget(warningTitle, 0, Qt::AlignTop);
  warning->addWidget(warningText, 1);
  accuracyColumn->addSpacing(4);
  accuracyColumn->addLayout(warning);
  column->addWidget(accuracy);
  column->addStretch(1);
  return page;
}

QLayout* OptionsWindow::buildButtonRow() {
  auto* okButton = new QPushButton(QCoreApplication::translate("Options", "&OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setDefault(true);
  auto* cancelButton = new QPushButton(QCoreApplication::translate("Options", "&Cancel"), this);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));
  connect(okButton, &QPushButton::clicked, this, [this] { ok(); });
  connect(cancelButton, &QPushButton::clicked, this, [this] { reject(); });
  auto* row = new QHBoxLayout();
  row->addStretch(1);
  row->addWidget(okButton);
  row->addWidget(cancelButton);
  return row;
}

void OptionsWindow::connectControls() {
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    model_.options().selectTab(index == 0);
    refresh();
  });
  connect(formats_, &QButtonGroup::idClicked, this, [this](int id) {
    model_.options().selectFormat(static_cast<NumberFormat>(id));
    refresh();
  });
  connect(placesBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.options().setText(text.toStdString());
    refresh();
  });
  connect(placesScrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
    model_.options().setScroll(value);
    refresh();
  });
  connect(radicalsBox_, &QCheckBox::clicked, this, [this](bool on) {
    model_.options().setRadicals(on);
    refresh();
  });
  connect(accuracies_, &QButtonGroup::idClicked, this, [this](int id) {
    model_.options().setAccuracy(static_cast<Accuracy>(id));
    refresh();
  });
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
    const QSignalBlocker block(radicalsBox_);
    radicalsBox_->setChecked(c.radicals);
  }
  const QString text = QString::fromStdString(c.placesText);
  if (placesBox_->text() != text) {
    const QSignalBlocker block(placesBox_);
    placesBox_->setText(text);
  }
  {
    const QSignalBlocker block(placesScrollBar_);
    placesScrollBar_->setValue(c.scroll);
  }
  for (QWidget* w : {static_cast<QWidget*>(placesLabel_), static_cast<QWidget*>(placesBox_),
                     static_cast<QWidget*>(placesScrollBar_)})
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

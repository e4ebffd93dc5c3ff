// The About box's labels and its OK button.
#include "shell/about_box.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/translation.h"
#include "version.h"

namespace zova {

namespace {
const char* const kProgramTitle = "Zova";

// One label of the text column: its object name and text, its font against the
// dialog's (size factor, bold), whether it wraps, and the space above it.
struct TextLine {
  const char* name;
  QString text;
  double fontScale;
  bool bold;
  bool wrap;
  int spaceAbove;
};

// The column beside the icon, top to bottom.
QLayout* textColumn(QWidget* box) {
  const TextLine lines[] = {
      {"title", QLatin1String(kProgramTitle), 1.8, true, false, 0},
      {"version", QCoreApplication::translate("About", "Version %1").arg(QLatin1String(kVersion)),
       1, false, false, 0},
      {"description",
       QCoreApplication::translate("About",
                                   "A scientific calculator with a unit converter, a library of "
                                   "physical constants, statistics, financial calculations and a "
                                   "periodic table."),
       1, false, true, 8},
      {"disclaimer",
       QCoreApplication::translate("About",
                                   "Check results that matter by another means: this program "
                                   "comes without any warranty."),
       0.9, false, true, 4},
  };
  auto* column = new QVBoxLayout;
  for (const TextLine& line : lines) {
    auto* label = new QLabel(line.text, box);
    label->setObjectName(QLatin1String(line.name));
    label->setWordWrap(line.wrap);
    if (line.fontScale != 1 || line.bold) {
      QFont font = label->font();
      font.setPointSizeF(font.pointSizeF() * line.fontScale);
      if (line.bold) font.setBold(true);
      label->setFont(font);
    }
    if (line.spaceAbove) column->addSpacing(line.spaceAbove);
    column->addWidget(label);
  }
  return column;
}
}  // namespace

AboutBox::AboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("aboutBox"));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowTitle(
      QCoreApplication::translate("About", "About %1").arg(QLatin1String(kProgramTitle)));
  setModal(false);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("programIcon"));
  const QIcon programIcon = owner ? owner->windowIcon() : QApplication::windowIcon();
  if (!programIcon.isNull()) icon->setPixmap(programIcon.pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  icon->setAccessibleName(QCoreApplication::translate("About", "program icon"));
  QLayout* text = textColumn(this);

  auto* ok = new QPushButton(QCoreApplication::translate("About", "&OK"), this);
  ok->setObjectName(QStringLiteral("aboutOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(8);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  setFixedWidth(340);
}

AboutBox* AboutBox::open(QWidget* owner) {
  AboutBox* box =
      owner ? owner->findChild<AboutBox*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!box) box = new AboutBox(owner);
  box->show();
  box->raise();
  box->activateWindow();
  return box;
}

}  // namespace zova

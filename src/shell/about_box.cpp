// The About box's labels and its OK button.
#include "shell/about_box.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "version.h"

namespace zova {

namespace {
const char* const kProgramTitle = "Zova";
}

AboutBox::AboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowTitle(QStringLiteral("About ") + QLatin1String(kProgramTitle));
  setModal(false);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  const QIcon programIcon = owner ? owner->windowIcon() : QApplication::windowIcon();
  if (!programIcon.isNull()) icon->setPixmap(programIcon.pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  icon->setAccessibleName(QStringLiteral("program icon"));

  auto* title = new QLabel(QLatin1String(kProgramTitle), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  title->setFont(big);

  auto* version = new QLabel(QStringLiteral("Version ") + QLatin1String(kVersion), this);
  version->setObjectName(QStringLiteral("lblVersion"));

  auto* description = new QLabel(
      QStringLiteral("A scientific calculator with a unit converter, a library of physical "
                     "constants, statistics, financial calculations and a periodic table."),
      this);
  description->setObjectName(QStringLiteral("lblDescription"));
  description->setWordWrap(true);

  auto* disclaimer =
      new QLabel(QStringLiteral("Check results that matter by another means: this program comes "
                                "without any warranty."),
                 this);
  disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
  disclaimer->setWordWrap(true);
  QFont small = disclaimer->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  disclaimer->setFont(small);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(title);
  text->addWidget(version);
  text->addSpacing(8);
  text->addWidget(description);
  text->addSpacing(4);
  text->addWidget(disclaimer);
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

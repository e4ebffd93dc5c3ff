// The start-up comparison's floor: the widgets of Zova's window at start (menus, line display,
// indicators, 47 keys, 31 captions) under the same style, with no calculator behind them.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include "shell/program_look.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(zova::makeProgramStyle());
  QMainWindow window;
  window.setWindowIcon(zova::programIcon());
  for (const auto& [title, items] :
       {std::pair{"&File", 3}, {"&Edit", 2}, {"&View", 10}, {"&Tools", 5}, {"&?", 3}}) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
    for (int i = 0; i < items; ++i) menu->addAction(QStringLiteral("Item %1").arg(i + 1));
  }
  auto* central = new QWidget;
  auto* grid = new QGridLayout(central);
  int column = 0;
  for (const char* mark : {"inv", "hyp", "deg", "rad", "grad", "M", "HEX", "1/3"})
    grid->addWidget(new QLabel(QString::fromLatin1(mark)), 0, column++);
  auto* display = new QLineEdit(QStringLiteral("0."));
  display->setReadOnly(true);
  display->setAlignment(Qt::AlignRight);
  grid->addWidget(display, 1, 0, 1, 8);
  for (int i = 0; i < 47; ++i) {
    if (i < 31) grid->addWidget(new QLabel(QStringLiteral("f%1").arg(i)), 2 * (i / 6) + 2, i % 6);
    grid->addWidget(new QPushButton(QString::number(i)), 2 * (i / 6) + 3, i % 6);
  }
  window.setCentralWidget(central);
  window.resize(220, 356);
  window.show();
  return QApplication::exec();
}

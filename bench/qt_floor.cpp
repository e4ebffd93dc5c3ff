// A reference for the start-up comparison: the widgets of Zova's window at
// start (menu bar with the same menus and items, a read-only line display,
// the indicator labels, 47 keys and 31 second-function captions) under the
// same style, with no calculator behind them. What this program holds once
// its window is up is the floor that any Qt Widgets window of that content
// pays on this machine.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/program_look.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(zova::makeProgramStyle());
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Qt floor"));
  window.setWindowIcon(zova::programIcon());

  const std::pair<const char*, int> menus[] = {
      {"&File", 3}, {"&Edit", 2}, {"&View", 10}, {"&Tools", 5}, {"&?", 3}};
  for (const auto& [title, items] : menus) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
    for (int i = 0; i < items; ++i) menu->addAction(QStringLiteral("Item %1").arg(i + 1));
  }

  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  auto* marks = new QHBoxLayout;
  for (const char* mark : {"inv", "hyp", "deg", "rad", "grad", "M", "HEX", "1/3"})
    marks->addWidget(new QLabel(QString::fromLatin1(mark)));
  column->addLayout(marks);
  auto* display = new QLineEdit(QStringLiteral("0."));
  display->setReadOnly(true);
  display->setAlignment(Qt::AlignRight);
  column->addWidget(display);
  auto* keys = new QGridLayout;
  for (int i = 0; i < 47; ++i) {
    if (i < 31) keys->addWidget(new QLabel(QStringLiteral("f%1").arg(i)), 2 * (i / 6), i % 6);
    keys->addWidget(new QPushButton(QString::number(i)), 2 * (i / 6) + 1, i % 6);
  }
  column->addLayout(keys);
  window.setCentralWidget(central);
  window.resize(220, 356);
  window.show();
  return QApplication::exec();
}

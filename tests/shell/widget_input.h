// What the window tests do to widgets as a user would: find a named child,
// replace a box's text by typing, click a check box or radio button on its box.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>
#include <QtTest>

namespace zova {

/// The named child; the test program stops when there is none.
template <class T>
T* child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  if (!c) qFatal("no child %s", name);
  return c;
}

/// Replaces a box's text as a user does: select everything, then type.
inline void typeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  if (text.isEmpty())
    QTest::keyClick(edit, Qt::Key_Backspace);
  else
    QTest::keyClicks(edit, text);
}

/// A check box or radio button toggles only when the click lands on its box.
inline void clickBox(QAbstractButton* b) {
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

}  // namespace zova

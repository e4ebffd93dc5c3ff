// Save Settings and the tape's Save As through the real file dialog, answered by typing a name: a
// name without an extension gets ".dat" or ".txt", and replacing a file asks once.
#include "shell/qt_toolkit.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>

#include "shell/model_rig.h"
#include "shell/tape_window.h"

using namespace zova;

class QtToolkitTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

  void saveSettingsAsksOnceAndNamesTheFile() {
    // The tape's Save As or Save Settings, typed, a file already there, written, questions.
    const std::tuple<bool, const char*, const char*, const char*, int> rows[] = {
        {false, "mine", "", "mine.dat", 0},
        {false, "mine.txt", "", "mine.txt", 0},
        {false, "old", "old.dat", "old.dat", 1},
        {true, "mine", "", "mine.txt", 0},
        {true, "old", "old.txt", "old.txt", 1}};
    for (const auto& [tape, typed, present, written, questions] : rows) {
      QTemporaryDir folder;
      QFile old(folder.filePath(present));
      if (*present) QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier settings\r\n"));
      old.close();
      QWidget window;
      window.show();
      QtToolkit tk;
      tk.attach(&window, nullptr);
      Model model(tk, {});
      model.startUp();
      Zoom zoom;
      // Types the name into the file dialog and presses Return; says Yes to every message box.
      int asked = 0;
      bool typedIn = false;
      QTimer poll;
      QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* name = modal ? modal->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
          ++asked;
          (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->buttons()[0])
              ->click();
        } else if (qobject_cast<QFileDialog*>(modal) && name && !typedIn) {
          typedIn = true;
          name->setText(folder.filePath(typed));
          // Later, so that this poll answers the question the dialog may ask itself.
          QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
        }
      });
      poll.start(10);
      if (tape)
        TapeWindow(model, {}, zoom).findChild<QAction*>("tapeSaveAs")->trigger();
      else
        model.saveSettingsAs();
      QCOMPARE(asked, questions);
      QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
      QFile saved(folder.filePath(written));
      QVERIFY(saved.open(QIODevice::ReadOnly) && !saved.readAll().startsWith("earlier settings"));
    }
  }
};

static const zova::ShellTest<QtToolkitTest> kRegistered("qt_toolkit");
#include "qt_toolkit_test.moc"

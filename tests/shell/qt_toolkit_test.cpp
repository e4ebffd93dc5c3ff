// The toolkit's dialogs as the model uses them: Save Settings through the
// real file dialog, answered by typing a name, and the questions that follow.
#include "shell/qt_toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "model/model.h"
#include "shell/model_rig.h"

using namespace zova;

namespace {

// Answers the dialogs as they come up: types a name into the file dialog and
// presses Return, and says Yes to every message box, counting them.
class DialogHand : public QObject {
 public:
  explicit DialogHand(QString typed) : typed_(std::move(typed)) {
    connect(&poll_, &QTimer::timeout, this, &DialogHand::answer);
    poll_.start(10);
  }
  int questions = 0;

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      ++questions;
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      (yes ? yes : box->buttons().front())->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !typedIn_) {
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (!name) return;
      typedIn_ = true;
      name->setText(typed_);
      QTest::keyClick(name, Qt::Key_Return);
    }
  }
  QString typed_;
  bool typedIn_ = false;
  QTimer poll_;
};

}  // namespace

class QtToolkitTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
  void saveSettingsAsksOnceAndNamesTheFile_data();
  void saveSettingsAsksOnceAndNamesTheFile();
};

void QtToolkitTest::saveSettingsAsksOnceAndNamesTheFile_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("present");  // a file already in the folder, or ""
  QTest::addColumn<QString>("written");
  QTest::addColumn<int>("questions");
  const std::tuple<const char*, const char*, const char*, const char*, int> rows[] = {
      {"new name without extension", "mine", "", "mine.dat", 0},
      {"another extension is kept", "mine.txt", "", "mine.txt", 0},
      {"existing file typed without extension", "old", "old.dat", "old.dat", 1}};
  for (const auto& [name, typed, present, written, questions] : rows)
    QTest::newRow(name) << QString::fromLatin1(typed) << QString::fromLatin1(present)
                        << QString::fromLatin1(written) << questions;
}

void QtToolkitTest::saveSettingsAsksOnceAndNamesTheFile() {
  QFETCH(QString, typed);
  QFETCH(QString, present);
  QFETCH(QString, written);
  QFETCH(int, questions);
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  if (!present.isEmpty()) {
    QFile old(folder.filePath(present));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier settings\r\n");
  }
  QWidget window;
  window.show();
  QtToolkit tk;
  tk.attach(&window, nullptr);
  Model model(tk, {});
  model.startUp();

  DialogHand hand(folder.filePath(typed));
  model.saveSettingsAs();

  QCOMPARE(hand.questions, questions);
  const QStringList files = QDir(folder.path()).entryList(QDir::Files);
  QCOMPARE(files, QStringList{written});
  QFile saved(folder.filePath(written));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QVERIFY(!saved.readAll().startsWith("earlier settings"));
}

static const zova::ShellTest<QtToolkitTest> kRegistered("qt_toolkit");
#include "qt_toolkit_test.moc"

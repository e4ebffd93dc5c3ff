// Makes the pictures of the windows that the README shows:
//   QT_QPA_PLATFORM=offscreen zova_screenshots docs
// Each picture is the window after a key sequence in the command line's
// notation, so the README shows what those keys really give.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QTranslator>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "model/model.h"
#include "model/sequence.h"
#include "model/window_conf.h"
#include "shell/converter_panel.h"
#include "shell/elements_window.h"
#include "shell/finance_panel.h"
#include "shell/main_window.h"
#include "shell/program_look.h"
#include "shell/screen_scale.h"
#include "shell/stats_panel.h"
#include "shell/tape_window.h"
#include "shell/translation.h"

using namespace zova;

namespace {

bool play(Model& model, const char* sequence) {
  if (auto e = runSequence(model, sequence)) {
    std::fprintf(stderr, "zova_screenshots: %s\n", e->message().c_str());
    return false;
  }
  return true;
}

bool save(QWidget& w, const QDir& dir, const char* file) {
  QApplication::processEvents();
  if (w.grab().save(dir.filePath(QLatin1String(file)))) return true;
  std::fprintf(stderr, "zova_screenshots: cannot write %s\n", qPrintable(dir.filePath(file)));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  Zoom zoom;  // the windows' zoom, which outlives the style that draws at it
  QApplication app(argc, argv);
  QApplication::setStyle(makeProgramStyle(&zoom));
  const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  if (!QDir().mkpath(dir.path())) return 1;

  QtToolkit toolkit;
  Model model(toolkit, {});
  model.startUp();
  model.shell().personalLabel = "Zova";
  MainWindow window(model, toolkit, zoom);
  window.show();
  bool ok = play(model, "inv,Mode,1,2,3,4.5,X,2,M+,=");
  window.refresh();
  ok = ok && save(window, dir, "main-window.png");
  // The same at twice the size, as View > Zoom In twice over makes it (Ctrl++ four times).
  zoom.setZoomPercent(200);
  ok = ok && save(window, dir, "main-window-200.png");
  zoom.setZoomPercent(kMinZoom);

  const QSize area(250, 330);
  struct Shot {
    QWidget* panel;
    const char* sequence;
    const char* file;
  };
  const Shot panels[] = {
      {window.statsPanel(), "AC,2,stat:enter,4,stat:enter,4,stat:enter,5,stat:enter,stat:select=2",
       "stats-panel.png"},
      {window.financePanel(),
       "AC,200000,fin:click=PV,6.5,fin:click=%/Yr,360,fin:click=N,fin:solve=PMT,6,"
       "fin:click=Payments,fin:amortize",
       "finance-panel.png"},
      {window.converterPanel(), "AC,conv:Constants,conv:from=c: speed of light (m/s)",
       "converter-panel.png"},
  };
  for (const Shot& shot : panels) {
    ok = ok && play(model, shot.sequence);
    window.refresh();
    shot.panel->resize(area);
    shot.panel->show();
    ok = ok && save(*shot.panel, dir, shot.file);
  }

  ElementsWindow elements(
      model, [&window] { window.refresh(); }, zoom);
  elements.show();
  ok =
      ok && play(model, "elem:hover=Fe,molar:drop1=Fe,molar:count1=2,molar:drop2=O,molar:count2=3");
  elements.refresh();
  ok = ok && save(elements, dir, "periodic-table.png");
  elements.close();

  // The paper tape beside the keypad, in one picture.
  ok = ok && play(model,
                  "AC,tape:clear,12,+,3,X,4,=,X,(,2,+,5,),=,Mode,Mode,30,sin,M+,"
                  "144,√,÷,3,-,MR,=");
  window.refresh();
  window.openTape();
  TapeWindow* tape = window.tapeWindow();
  tape->resize(260, window.height());
  QApplication::processEvents();
  tape->list()->scrollToBottom();
  QApplication::processEvents();
  const QPixmap keypad = window.grab(), paper = tape->grab();
  QPixmap both(keypad.width() + paper.width() + 8, std::max(keypad.height(), paper.height()));
  both.fill(Qt::white);
  {
    QPainter painter(&both);
    painter.drawPixmap(0, 0, keypad);
    painter.drawPixmap(keypad.width() + 8, 0, paper);
  }
  if (!both.save(dir.filePath(QStringLiteral("paper-tape.png")))) ok = false;
  tape->close();

  // The main window with the statistics panel in two of its languages, with
  // their numbers' decimal marks; the Chinese one needs a CJK font.
  for (const char* lang : {"de", "zh_CN"}) {
    QTranslator translator;
    for (const QString& folder : translationFolders())
      if (translator.load(QStringLiteral("zova_") + QLatin1String(lang), folder)) break;
    if (translator.isEmpty() || !QCoreApplication::installTranslator(&translator)) return 1;
    const QLocale locale{QLatin1String(lang)};
    Model speaking(toolkit,
                   {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});
    speaking.startUp();
    MainWindow translated(speaking, toolkit, zoom);
    translated.show();
    ok = ok &&
         play(speaking, "menu:statistics,2.5,stat:enter,4,stat:enter,4.5,stat:enter,stat:mean");
    translated.refresh();
    ok = ok && save(translated, dir, (std::string("main-window-") + lang + ".png").c_str());
    QCoreApplication::removeTranslator(&translator);
  }

  // Under a dark desktop palette: the main window with each panel, and the periodic table.
  QPalette dark;
  for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QRgb>>{
           {QPalette::Window, 0x2d2f33},
           {QPalette::WindowText, 0xe8e8e8},
           {QPalette::Base, 0x1f2023},
           {QPalette::AlternateBase, 0x2a2c30},
           {QPalette::Text, 0xe8e8e8},
           {QPalette::Button, 0x3a3d42},
           {QPalette::ButtonText, 0xe8e8e8},
           {QPalette::Highlight, 0x3d7ad6},
           {QPalette::HighlightedText, 0xffffff},
           {QPalette::ToolTipBase, 0x2d2f33},
           {QPalette::ToolTipText, 0xe8e8e8},
           {QPalette::PlaceholderText, 0x9a9a9a},
           {QPalette::Light, 0x55585e},
           {QPalette::Midlight, 0x464950},
           {QPalette::Mid, 0x2a2c30},
           {QPalette::Dark, 0x1b1c1f},
           {QPalette::Shadow, 0x000000}})
    dark.setColor(role, QColor(colour));
  QApplication::setPalette(dark);
  Model night(toolkit, {});
  night.startUp();
  MainWindow darkWindow(night, toolkit, zoom);
  darkWindow.show();
  const std::pair<const char*, const char*> darkShots[] = {
      {"menu:statistics,2.5,stat:enter,4,stat:enter,4.5,stat:enter,stat:select=1,stat:mean",
       "main-window-dark-statistics.png"},
      {"AC,menu:financial,200000,fin:click=PV,6.5,fin:click=%/Yr,360,fin:click=N,fin:solve=PMT",
       "main-window-dark-financial.png"},
      {"AC,menu:converter,conv:Constants,conv:from=c: speed of light (m/s)",
       "main-window-dark-converter.png"},
  };
  for (const auto& [sequence, file] : darkShots) {
    ok = ok && play(night, sequence);
    darkWindow.refresh();
    ok = ok && save(darkWindow, dir, file);
  }
  ElementsWindow darkElements(
      night, [&darkWindow] { darkWindow.refresh(); }, zoom);
  darkElements.show();
  ok = ok && play(night, "elem:hover=Na,molar:drop1=Na,molar:drop2=Cl");
  darkElements.refresh();
  ok = ok && save(darkElements, dir, "periodic-table-dark.png");
  return ok ? 0 : 1;
}

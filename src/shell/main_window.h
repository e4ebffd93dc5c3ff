// The calculator window: the LED display and its indicators, the keypad built
// from the key table, the fold-out area with the three tool panels, the menus,
// the tray icon and the keyboard. It turns events into model operations and
// redraws every text, check mark, colour and size from the model after each one.
#pragma once

#include <QAction>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/keys.h"
#include "model/model.h"
#include "shell/elements_window.h"
#include "shell/led_display.h"
#include "shell/options_window.h"
#include "shell/qt_toolkit.h"
#include "shell/tape_window.h"

namespace zova {

class StatsPanel;
class FinancePanel;
class ConverterPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(Model& model, QtToolkit& toolkit, Zoom& zoom);
  ~MainWindow() override;

  /// The button of a keypad key; nullptr for the Stack toggle, which lives in
  /// the statistics panel.
  QPushButton* button(Key key) const;
  QLineEdit* displayField() const { return display_; }
  /// A menu item by its control name ("copy", "compact", "trayOpen" ...).
  QAction* action(const QString& name) const;
  /// The shortcuts of the menu item of that control name, as the menu table gives them.
  static QList<QKeySequence> menuItemKeys(std::string_view name);
  /// The tray icon's "Tasks" menu (it exists even where there is no tray).
  QMenu* trayMenu() const { return tasks_; }
  QWidget* foldOut() const { return foldOut_; }
  /// The fold-out panels (built on first use).
  StatsPanel* statsPanel() {
    ensurePanels();
    return stats_;
  }
  FinancePanel* financePanel() {
    ensurePanels();
    return finance_;
  }
  ConverterPanel* converterPanel() {
    ensurePanels();
    return converter_;
  }
  ElementsWindow* elementsWindow() const { return elements_; }
  TapeWindow* tapeWindow() const { return tape_; }
  /// Tools > Paper Tape: opens the tape window, or brings it to the front.
  void openTape();

  /// The zoom the user chose, kept for the next start. The window shows the largest step up
  /// to it at which the window, with the panel open now, fits the screen.
  int chosenZoom() const { return wantedZoom_; }

  /// Redraws every text, check mark, colour and size from the model.
  void refresh();
  /// Puts the icon into the system tray when the desktop has one.
  void installTrayIcon();
  QSystemTrayIcon* trayIcon() const { return tray_; }
  /// A double click on the tray icon: closes the options dialog (which writes
  /// its settings) and shows the window.
  void trayDoubleClicked();
  /// Ends the program as the close box does, from wherever the user is: with a
  /// menu or dialog open, or with the window in the tray (a logout or `kill`).
  void endProgram();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static constexpr int kDisplayPixels = 23;  ///< the LED digits' largest size, at 96 dpi
  QWidget* buildBody(QWidget* parent);
  QWidget* buildDisplay(QWidget* parent);
  QWidget* buildKeypad(QWidget* parent);
  QWidget* buildFoldOut(QWidget* parent);
  /// The menu bar's menus and the tray icon's, from the menu table.
  void buildMenus();
  struct MenuRow;
  static std::span<const MenuRow> menuRows();

  /// Runs a model operation and redraws; ends the program when it ran the unload.
  void run(const std::function<void()>& operation);
  /// While a text field of this window has the focus its keys are its own; it
  /// hands the focus back to "=" when its editing ends (Enter, or leaving it).
  bool fieldHasFocus() const;
  void watchField(QWidget* field);
  void fieldEditingFinished(QObject* field);
  void openOptions();
  void openElements();
  void exitFromTray();
  /// View > Zoom In (steps 1) and Zoom Out (-1) by a step each; Actual Size (0).
  void zoomBy(int steps);
  void applyColours();
  void fitDisplay();
  void showHistory();
  void layoutCase();
  /// The window's size for the model's size in twips at `zoom`: the client area
  /// scales, the menu bar keeps the desktop's size.
  QSize windowPixels(int widthTwips, int heightTwips, int zoom) const;
  /// The largest zoom step up to `wanted` at which the window of that size in twips,
  /// with its frame, fits the screen's available area.
  int fittingZoom(int wanted, int widthTwips, int heightTwips) const;
  /// The keypad side's width at `zoom`: its standard width, or the menu bar's where its
  /// titles, in this language and the desktop's font, need more.
  int keypadSideWidth(int zoom) const;
  /// Sizes the window from the model's twips at the zoom; a border drag ranges
  /// over the sizes of the zoom steps. A new size in twips (a panel opening or
  /// closing, compact size, start-up) shows the chosen zoom where it fits.
  void sizeWindow(int widthTwips, int heightTwips);
  /// After a border drag: the zoom step nearest to the size the user left.
  void fitZoomToSize();

  Model& model_;
  QtToolkit& tk_;
  Zoom& zoom_;  ///< the calculator's: this window's and its panels' and tool windows' sizes

  QWidget* case_ = nullptr;  ///< the client area: keypad body and fold-out side by side
  QWidget* body_ = nullptr;
  QSize twips_;                ///< the window's size in twips, as the model last set it
  QSize sized_;                ///< and in pixels, as this window last asked for it
  QTimer* dragged_ = nullptr;  ///< a border drag's pause before the zoom snaps to it
  /// Until the window manager has given the size asked for (or given up on it), the
  /// sizes it passes through are no border drag.
  QTimer* awaitingSize_ = nullptr;
  int wantedZoom_ = 0;        ///< the zoom the user chose (chosenZoom)
  bool fittingZoom_ = false;  ///< while this window steps its own zoom to fit
  QWidget* lcd_ = nullptr;
  QWidget* keypad_ = nullptr;
  LedDisplay* display_ = nullptr;
  /// The display's indicators, left to right, each with the caption it shows and its
  /// width at the standard size.
  struct IndicatorLabel {
    QLabel* label;
    std::string CalcState::*caption;
    int width;
  };
  std::vector<IndicatorLabel> indicators_;
  QLabel* title_ = nullptr;
  QLabel* titleShadow_ = nullptr;
  std::vector<QLabel*> secondCaptions_;
  std::map<Key, QPushButton*> buttons_;

  QWidget* foldOut_ = nullptr;
  void ensurePanels();
  StatsPanel* stats_ = nullptr;
  FinancePanel* finance_ = nullptr;
  ConverterPanel* converter_ = nullptr;
  QPushButton* closeFlap_ = nullptr;
  QFrame* rule_ = nullptr;

  std::map<QString, QAction*> actions_;
  QMenu* tasks_ = nullptr;
  QSystemTrayIcon* tray_ = nullptr;
  QPointer<OptionsWindow> options_;
  QPointer<ElementsWindow> elements_;
  QPointer<TapeWindow> tape_;

  // The keys that went down on this window and acted, and are still down, by physical key.
  QSet<quint64> down_;
};

}  // namespace zova

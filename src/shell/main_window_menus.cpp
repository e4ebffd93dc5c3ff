// The calculator window's menus, the menu bar's and the tray icon's, built
// from one table of items.
#include <QGuiApplication>
#include <QMenuBar>
#include <map>
#include <string_view>

#include "shell/about_box.h"
#include "shell/main_window.h"
#include "shell/translation.h"

namespace zova {

// The menus and their items in menu order. A row without a command is a menu
// (at the menu bar when it names no menu to go in); one without a name, a
// separator. Shortcuts are Ctrl and a letter or a zoom key's character, and for a few items
// one more key.
struct MainWindow::MenuRow {
  const char* menu;     ///< the object name of the menu it goes in
  const char* name;     ///< its object name; nullptr for a separator
  const char* caption;  ///< "&" marks the access letter; translated in the context "Menu"
  char ctrlKey;         ///< the letter or character of its Ctrl shortcut; 0 for none
  bool checkable;
  void (*command)(MainWindow& w);
  /// Further shortcuts after it, in Qt's portable text ("; " between them).
  const char* moreKeys = nullptr;
};

std::span<const MainWindow::MenuRow> MainWindow::menuRows() {
  using W = MainWindow;
  static const MenuRow kRows[] = {
      {"", "fileMenu", QT_TRANSLATE_NOOP("Menu", "&File"), 0, false, nullptr},
      {"fileMenu", "load", QT_TRANSLATE_NOOP("Menu", "&Load Settings..."), 0, false,
       [](W& w) { w.model_.loadSettingsFrom(); }},
      {"fileMenu", "save", QT_TRANSLATE_NOOP("Menu", "&Save Settings..."), 0, false,
       [](W& w) { w.model_.saveSettingsAs(); }},
      {"fileMenu", nullptr, "", 0, false, nullptr},
      {"fileMenu", "exit", QT_TRANSLATE_NOOP("Menu", "E&xit"), 'Q', false, [](W& w) { w.close(); }},
      {"", "editMenu", QT_TRANSLATE_NOOP("Menu", "&Edit"), 0, false, nullptr},
      {"editMenu", "undo", QT_TRANSLATE_NOOP("Menu", "&Undo"), 'Z', false,
       [](W& w) { w.model_.undo(); }},
      {"editMenu", "redo", QT_TRANSLATE_NOOP("Menu", "&Redo"), 0, false,
       [](W& w) { w.model_.redo(); }, "Ctrl+Shift+Z; Ctrl+Y"},
      {"editMenu", nullptr, "", 0, false, nullptr},
      {"editMenu", "copy", QT_TRANSLATE_NOOP("Menu", "&Copy"), 'C', false,
       [](W& w) { w.model_.menuCopy(); }},
      {"editMenu", "paste", QT_TRANSLATE_NOOP("Menu", "&Paste"), 'V', false,
       [](W& w) { w.model_.menuPaste(); }},
      {"", "viewMenu", QT_TRANSLATE_NOOP("Menu", "&View"), 0, false, nullptr},
      {"viewMenu", "hide", QT_TRANSLATE_NOOP("Menu", "&Hide    [ Esc ]"), 0, false,
       [](W& w) { w.model_.hideToTray(); }},
      {"viewMenu", nullptr, "", 0, false, nullptr},
      {"viewMenu", "alwaysOnTop", QT_TRANSLATE_NOOP("Menu", "Always on &Top"), 'T', true,
       [](W& w) { w.model_.toggleAlwaysOnTop(); }},
      {"viewMenu", "appearOnStartup", QT_TRANSLATE_NOOP("Menu", "&Appear on Startup"), 0, true,
       [](W& w) { w.model_.toggleStartupEntry(); }},
      {"viewMenu", nullptr, "", 0, false, nullptr},
      {"viewMenu", "compact", QT_TRANSLATE_NOOP("Menu", "Compact &Size"), 'M', false,
       [](W& w) { w.model_.toggleCompactSize(); }},
      {"viewMenu", nullptr, "", 0, false, nullptr},
      // Ctrl+= too: the same key without Shift on most layouts, as in browsers.
      {"viewMenu", "zoomIn", QT_TRANSLATE_NOOP("Menu", "Zoom &In"), '+', false,
       [](W& w) { w.zoomBy(1); }, "Ctrl+="},
      {"viewMenu", "zoomOut", QT_TRANSLATE_NOOP("Menu", "Zoom &Out"), '-', false,
       [](W& w) { w.zoomBy(-1); }},
      {"viewMenu", "actualSize", QT_TRANSLATE_NOOP("Menu", "A&ctual Size"), '0', false,
       [](W& w) { w.zoomBy(0); }},
      {"viewMenu", nullptr, "", 0, false, nullptr},
      {"viewMenu", "appearanceMenu", QT_TRANSLATE_NOOP("Menu", "Appearance"), 0, false, nullptr},
      {"appearanceMenu", "coloursMenu", QT_TRANSLATE_NOOP("Menu", "Colours"), 0, false, nullptr},
      {"coloursMenu", "screenColour", QT_TRANSLATE_NOOP("Menu", "Screen"), 0, false,
       [](W& w) { w.model_.chooseScreenColour(); }},
      {"coloursMenu", "digitsColour", QT_TRANSLATE_NOOP("Menu", "Digits"), 0, false,
       [](W& w) { w.model_.chooseDigitsColour(); }},
      {"coloursMenu", "shellColour", QT_TRANSLATE_NOOP("Menu", "Calculator Shell"), 0, false,
       [](W& w) { w.model_.chooseShellColour(); }},
      {"coloursMenu", "standardColour", QT_TRANSLATE_NOOP("Menu", "Standard Buttons"), 0, false,
       [](W& w) { w.model_.chooseStandardColour(); }},
      {"coloursMenu", "functionColour", QT_TRANSLATE_NOOP("Menu", "Function Buttons"), 0, false,
       [](W& w) { w.model_.chooseFunctionColour(); }},
      {"appearanceMenu", nullptr, "", 0, false, nullptr},
      {"appearanceMenu", "personalLabel", QT_TRANSLATE_NOOP("Menu", "Personal Label"), 0, false,
       [](W& w) { w.model_.editPersonalLabel(); }},
      {"", "toolsMenu", QT_TRANSLATE_NOOP("Menu", "&Tools"), 0, false, nullptr},
      {"toolsMenu", "Converter", QT_TRANSLATE_NOOP("Menu", "&Converter/Constants Library"), 'L',
       true, [](W& w) { w.model_.toggleConverterPanel(); }},
      {"toolsMenu", "Statistics", QT_TRANSLATE_NOOP("Menu", "&Statistical Functions"), 'S', true,
       [](W& w) { w.model_.toggleStatisticsPanel(); }},
      {"toolsMenu", "Financial", QT_TRANSLATE_NOOP("Menu", "&Financial Calculations"), 'F', true,
       [](W& w) { w.model_.toggleFinancialPanel(); }},
      {"toolsMenu", "periodicTable", QT_TRANSLATE_NOOP("Menu", "Periodic Table of the &Elements"),
       'E', false, [](W& w) { w.openElements(); }},
      {"toolsMenu", "paperTape", QT_TRANSLATE_NOOP("Menu", "Paper &Tape"), 'P', false,
       [](W& w) { w.openTape(); }},
      {"toolsMenu", nullptr, "", 0, false, nullptr},
      {"toolsMenu", "options", QT_TRANSLATE_NOOP("Menu", "&Options..."), 'O', false,
       [](W& w) { w.openOptions(); }},
      {"", "helpMenu", QT_TRANSLATE_NOOP("Menu", "&?"), 0, false, nullptr},
      {"helpMenu", "Contents", QT_TRANSLATE_NOOP("Menu", "&Overview"), 0, false,
       [](W& w) { w.model_.showHelpContents(); }},
      {"helpMenu", "Equivalent", QT_TRANSLATE_NOOP("Menu", "&Keyboard Equivalents"), 0, false,
       [](W& w) { w.model_.showKeyboardHelp(); }},
      {"helpMenu", nullptr, "", 0, false, nullptr},
      {"helpMenu", "About", QT_TRANSLATE_NOOP("Menu", "&About Zova"), 0, false,
       [](W& w) { AboutBox::open(&w); }},
      // The tray icon's menu, which the window builds before this table.
      {"trayMenu", "trayAbout", QT_TRANSLATE_NOOP("Menu", "About Zova"), 0, false,
       [](W& w) { AboutBox::open(&w); }},
      {"trayMenu", nullptr, "", 0, false, nullptr},
      {"trayMenu", "trayHide", QT_TRANSLATE_NOOP("Menu", "&Hide"), 0, false,
       [](W& w) { w.model_.hideFromTray(); }},
      {"trayMenu", "trayExit", QT_TRANSLATE_NOOP("Menu", "E&xit"), 0, false,
       [](W& w) { w.exitFromTray(); }},
      {"trayMenu", nullptr, "", 0, false, nullptr},
      {"trayMenu", "trayOpen", QT_TRANSLATE_NOOP("Menu", "&Open"), 0, false,
       [](W& w) { w.model_.showFromTray(); }},
  };
  return kRows;
}

QList<QKeySequence> MainWindow::menuItemKeys(std::string_view name) {
  QList<QKeySequence> keys;
  for (const MenuRow& row : menuRows()) {
    if (!row.name || row.name != name) continue;
    if (row.ctrlKey) keys.append(QKeySequence(Qt::CTRL | Qt::Key(row.ctrlKey)));
    if (row.moreKeys) keys += QKeySequence::listFromString(QLatin1String(row.moreKeys));
  }
  return keys;
}

void MainWindow::buildMenus() {
  tasks_ = new QMenu(QCoreApplication::translate("Menu", "Tasks"), this);
  tasks_->setObjectName(QStringLiteral("trayMenu"));
  std::map<std::string_view, QMenu*> menus = {{"trayMenu", tasks_}};
  for (const MenuRow& row : menuRows()) {
    const QString caption = QCoreApplication::translate("Menu", row.caption);
    if (!row.name) {
      menus.at(row.menu)->addSeparator();
    } else if (!row.command) {
      const bool inBar = !*row.menu;
      QMenu* menu = inBar ? menuBar()->addMenu(caption) : menus.at(row.menu)->addMenu(caption);
      menu->setObjectName(QLatin1String(row.name));
      if (!inBar) actions_[menu->objectName()] = menu->menuAction();
      menus[row.name] = menu;
    } else {
      QAction* item = menus.at(row.menu)->addAction(caption);
      item->setObjectName(QLatin1String(row.name));
      item->setShortcuts(menuItemKeys(row.name));
      item->setCheckable(row.checkable);
      connect(item, &QAction::triggered, this,
              [this, command = row.command] { run([this, command] { command(*this); }); });
      actions_[item->objectName()] = item;
    }
  }
  // Wayland compositors keep no client window above the others: the item says
  // so, greyed, rather than doing nothing.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    QAction* onTop = actions_.at(QStringLiteral("alwaysOnTop"));
    onTop->setEnabled(false);
    onTop->setToolTip(QCoreApplication::translate(
        "Menu", "Not available on Wayland: the desktop keeps no program's window on top"));
    menus.at("viewMenu")->setToolTipsVisible(true);
  }
  // F1, the desktop's help key, opens the overview; a window action of its own
  // leaves the menu item as it reads.
  auto* helpKey = new QAction(this);
  helpKey->setObjectName(QStringLiteral("helpKey"));
  helpKey->setShortcut(QKeySequence::HelpContents);
  addAction(helpKey);
  connect(helpKey, &QAction::triggered, this,
          [this] { run([this] { model_.showHelpContents(); }); });
  actions_[helpKey->objectName()] = helpKey;
}

}  // namespace zova

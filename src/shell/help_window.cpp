// The help window and its two pages. The keyboard page is built from the keypad's
// and the panels' key tables, so it lists exactly the keys the program has.
#include "shell/help_window.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "engine/keys.h"
#include "engine/text.h"
#include "model/keyboard_reference.h"
#include "model/model.h"
#include "shell/main_window.h"
#include "shell/program_look.h"
#include "shell/qt_text.h"
#include "shell/translation.h"

namespace zova {

namespace {

// A table cell's text with its blanks kept ("a  d/c" has two).
QString cell(const QString& s) {
  return s.toHtmlEscaped().replace(QStringLiteral("  "), QStringLiteral("&nbsp; "));
}
QString cell(std::string_view s) { return cell(q(s)); }

QString row(const QString& a, const QString& b, const QString& c) {
  return QStringLiteral("<tr><td>%1</td><td>%2</td><td><b>%3</b></td></tr>").arg(a, b, c);
}

QString tableHead(const QString& a, const QString& b, const QString& c) {
  return QStringLiteral(
             "<table cellspacing='0' cellpadding='3' border='1' style='border-collapse:collapse'>"
             "<tr><th align='left'>%1</th><th align='left'>%2</th><th align='left'>%3</th></tr>")
      .arg(a, b, c);
}

const char* const kStyle =
    "<style>body{font-family:sans-serif;} h1{font-size:15pt;} h2{font-size:12pt;margin-top:14px;}"
    " th{background:#dde3ea;} td,th{padding:3px 6px;}</style>";

QString navigation(HelpTopic topic) {
  auto link = [topic](HelpTopic target) {
    const QString title = helpTopicTitle(target);
    return target == topic
               ? QStringLiteral("<b>%1</b>").arg(title)
               : QStringLiteral("<a href='topic:%1'>%2</a>").arg(int(target)).arg(title);
  };
  return QStringLiteral("<p>%1 &nbsp;|&nbsp; %2</p><hr>")
      .arg(link(HelpTopic::kOverview), link(HelpTopic::kKeyboard));
}

// The overview, one translatable piece per heading and paragraph.
QString overviewPage() {
  return QCoreApplication::translate("Help", "<h1>Zova</h1>") +
         QCoreApplication::translate(
             "Help",
             "<p>Zova is a scientific calculator. Click its keys or type them: "
             "every key has a keyboard equivalent, named in the key's tooltip and "
             "listed on the page <a href='topic:800'>Keyboard Equivalents</a>. "
             "After every key the keyboard focus goes back to the = key, so Enter "
             "always means =.</p>") +
         QCoreApplication::translate("Help", "<h2>The display</h2>") +
         QCoreApplication::translate(
             "Help",
             "<p>The display shows the number being typed or the last result. The "
             "small marks above it show <b>inv</b> while second functions are on, "
             "<b>h</b> while hyperbolic functions are on, the angle unit "
             "(<b>d</b> degrees, <b>r</b> radians, <b>g</b> grads), <b>M</b> "
             "while the memory holds a value, the number base (<b>h</b> "
             "hexadecimal, <b>o</b> octal, <b>b</b> binary) and <b>A</b> when a "
             "fraction is an approximation.</p>") +
         QCoreApplication::translate("Help", "<h2>Calculating</h2>") +
         QCoreApplication::translate(
             "Help",
             "<p>Zova works out expressions as they are written: multiplication "
             "and division bind tighter than addition and subtraction, and powers "
             "tighter still. Brackets nest up to 100 deep; the tooltip of the "
             "bracket keys tells how many are open, and = closes any that are "
             "still open. After + or &minus;, <b>%</b> turns the display into "
             "that percentage of the number before the operator (200 + 5 % gives "
             "10); elsewhere it divides the display by 100.</p>") +
         QCoreApplication::translate(
             "Help",
             "<p><b>inv</b> switches the next key to the function printed above "
             "it: arc sine, arc cosine and arc tangent, 10<sup>x</sup> and "
             "e<sup>x</sup>, the y-th root, polar and rectangular coordinates, "
             "mod, M&minus; and MC. <b>hyp</b> makes sin, cos and tan hyperbolic. "
             "<b>Mode</b> steps through degrees, radians and grads; with inv it "
             "also converts the displayed angle.</p>") +
         QCoreApplication::translate(
             "Help",
             "<p><b>Base</b> steps through decimal, hexadecimal, octal and 16-bit "
             "binary. In hexadecimal the keys marked A to F above them type those "
             "digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv "
             "X! are and, or and xor.</p>") +
         QCoreApplication::translate(
             "Help",
             "<p><b>b/c</b> shows the display as a fraction, inv b/c as a whole "
             "number and a fraction. How close the fraction must come, and "
             "whether it may contain square roots, is set under Tools, Options. "
             "The keys &gt;&deg; ' \" and &deg; ' \" &gt; turn decimal degrees into "
             "degrees, minutes and seconds and back.</p>") +
         QCoreApplication::translate(
             "Help",
             "<p>Two registers keep numbers: <b>M+</b> adds the display to the "
             "memory M and <b>MR</b> recalls it; <b>Kin</b> stores the display in "
             "K and <b>Kout</b> recalls it.</p>") +
         QCoreApplication::translate("Help", "<h2>Tools</h2>") +
         QCoreApplication::translate(
             "Help",
             "<p>The Tools menu opens, to the right of the keypad, the unit "
             "converter with its library of physical constants, the statistics "
             "register (with the Stack box ticked every result of = is entered as "
             "data) and the financial calculations (time value of money and "
             "amortization). The periodic table shows the elements' data and adds "
             "up molar masses of formulas dragged together from its tiles. "
             "Options chooses how results are shown: as they come, with a fixed "
             "number of decimal places, or in scientific notation.</p>") +
         QCoreApplication::translate("Help", "<h2>The window</h2>") +
         QCoreApplication::translate(
             "Help",
             "<p>The View menu makes the window compact, keeps it above other "
             "windows, recolours the display, the keys and the case, and puts a "
             "title of your own on the calculator. Hide (or Esc) sends Zova to "
             "the system tray; double-click its icon there, or choose Open from "
             "its menu, to bring it back. Where the desktop has no tray, Zova is "
             "minimized instead.</p>") +
         QCoreApplication::translate(
             "Help",
             "<p>View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its "
             "panels, the periodic table and the paper tape larger or smaller by a quarter "
             "of the standard size, up to three times it; Actual Size (Ctrl+0) goes back "
             "to it. Dragging the window's border does the same, to the nearest step. "
             "Zova keeps the zoom in zova-window.conf beside its settings.</p>") +
         QCoreApplication::translate(
             "Help",
             "<p>Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, "
             "a change in a panel or the options, a paste, loaded settings or the "
             "cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it "
             "again. No clear asks for confirmation: a clear you regret is one "
             "Ctrl+Z away.</p>") +
         QCoreApplication::translate("Help", "<h2>Settings</h2>") +
         QCoreApplication::translate(
             "Help",
             "<p>When Zova closes (File, Exit, the End key or the window's close "
             "box) it writes its settings, both registers and the statistics data "
             "to the file dadidedo.dat in the current folder, and reads them back "
             "at the next start. File, Save Settings keeps a copy under another "
             "name; Load Settings brings one back.</p>");
}

QString keyboardPage() {
  QString html = QCoreApplication::translate("Help", "<h1>Keyboard Equivalents</h1>") +
                 QCoreApplication::translate(
                     "Help",
                     "<p>Keys act when they are pressed, in the order pressed. While Ctrl "
                     "or Alt is held, no key reaches the keypad. Keys marked "
                     "<i>keypad</i> are those of the numeric keypad.</p>") +
                 QCoreApplication::translate("Help", "<h2>Keypad</h2>");
  const QString key = QCoreApplication::translate("Help", "Key");
  const QString keyboard = QCoreApplication::translate("Help", "Keyboard");
  html += tableHead(key, QCoreApplication::translate("Help", "Function"), keyboard);
  for (const KeyRow& k : keyTable()) {
    QString function = cell(shown("Keypad", k.accessible));
    if (!k.second.empty())
      function +=
          QCoreApplication::translate("Help", " <small>(with inv: %1)</small>").arg(cell(k.second));
    html += row(cell(k.caption), function, cell(shownText(keyboardName(k))));
  }
  html += QStringLiteral("</table>") +
          QCoreApplication::translate(
              "Help",
              "<p>The digits 0 to 9 can be typed on the top row or on the keypad. "
              "The characters + - * / = and . act by what the key types in your "
              "keyboard layout, wherever the key lies; where numbers are written "
              "with a decimal comma, the comma is the decimal point too. In "
              "hexadecimal the letters A to F type the digits A to F.</p>");

  html += QCoreApplication::translate("Help", "<h2>Statistical functions</h2>");
  html += tableHead(key, QString(), keyboard);
  for (const PanelKey& k : statisticsKeys())
    html += row(shownText(k.caption).toHtmlEscaped(), QString(),
                cell(shownText(keyboardName(k.binding))));
  html += QStringLiteral("</table>");

  html += QCoreApplication::translate("Help", "<h2>Converter and constants</h2>");
  html += tableHead(key, QString(), keyboard);
  for (const PanelKey& k : converterKeys())
    html += row(shownText(k.caption).toHtmlEscaped(), QString(),
                cell(shownText(keyboardName(k.binding))));
  html += QStringLiteral("</table>");

  html += QCoreApplication::translate("Help", "<h2>The window</h2>");
  html += tableHead(key, QString(), keyboard);
  for (const WindowKeyRow& k : windowKeyTable())
    html += row(cell(shown("Help", k.what)), QString(), cell(shownText(keyboardName(k.binding))));
  // The Edit menu's Undo and Redo, whose keys never reach the keypad.
  const auto keys = [](std::string_view item) {
    QStringList names;
    for (const QKeySequence& s : MainWindow::menuItemKeys(item))
      names << s.toString(QKeySequence::NativeText);
    return cell(names.join(QStringLiteral(", ")));
  };
  html += row(cell(QCoreApplication::translate("Help", "Undo the last action")), QString(),
              keys("undo"));
  html += row(cell(QCoreApplication::translate("Help", "Redo the action undone last")), QString(),
              keys("redo"));
  html += QStringLiteral("</table>");
  return html;
}

}  // namespace

QString helpTopicTitle(HelpTopic topic) {
  return topic == HelpTopic::kKeyboard ? QCoreApplication::translate("Help", "Keyboard Equivalents")
                                       : QCoreApplication::translate("Help", "Overview");
}

QString helpTopicHtml(HelpTopic topic) {
  const HelpTopic shown =
      topic == HelpTopic::kKeyboard ? HelpTopic::kKeyboard : HelpTopic::kOverview;
  return QLatin1String(kStyle) + navigation(shown) +
         (shown == HelpTopic::kKeyboard ? keyboardPage() : overviewPage());
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window | kCloseOnlyTitleBar) {
  setObjectName(QStringLiteral("HelpWindow"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("helpText"));
  browser_->setOpenLinks(false);
  browser_->setAccessibleName(QCoreApplication::translate("Window", "help text"));
  layout->addWidget(browser_);
  // Without a title bar the Close button is the way out; Esc closes too.
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(8, 6, 8, 8);
  buttons->addStretch(1);
  closeButton_ = new QPushButton(QCoreApplication::translate("Help", "Close"), this);
  closeButton_->setObjectName(QStringLiteral("helpClose"));
  buttons->addWidget(closeButton_);
  layout->addLayout(buttons);
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QLatin1String("topic")) showTopic(HelpTopic(url.path().toInt()));
  });
  resize(560, 600);
  showTopic(HelpTopic::kOverview);
}

void HelpWindow::showTopic(HelpTopic topic) {
  topic_ = topic == HelpTopic::kKeyboard ? HelpTopic::kKeyboard : HelpTopic::kOverview;
  setWindowTitle(QCoreApplication::translate("Help", "Zova Help - %1").arg(helpTopicTitle(topic_)));
  browser_->setHtml(helpTopicHtml(topic_));
}

HelpWindow* HelpWindow::open(QWidget* owner, HelpTopic topic) {
  HelpWindow* help =
      owner ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!help) help = new HelpWindow(owner);
  help->showTopic(topic);
  help->show();
  help->raise();
  help->activateWindow();
  return help;
}

}  // namespace zova

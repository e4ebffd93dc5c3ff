// The program's own help window with its two topics: 100, an overview of the
// calculator, and 800, the keyboard equivalents, generated from the key tables.
#pragma once

#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>

namespace zova {

inline constexpr int kOverviewHelpTopic = 100;
inline constexpr int kKeyboardHelpTopic = 800;

/// The page of a help topic as HTML; an unknown topic gets the overview.
QString helpTopicHtml(int topic);
/// The page's title ("Overview", "Keyboard Equivalents").
QString helpTopicTitle(int topic);

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* owner = nullptr);

  void showTopic(int topic);
  int topic() const { return topic_; }
  QTextBrowser* browser() const { return browser_; }
  QPushButton* closeButton() const { return closeButton_; }

  /// Shows the topic in the owner's help window, creating it on first use.
  static HelpWindow* open(QWidget* owner, int topic);

 private:
  QTextBrowser* browser_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  int topic_ = kOverviewHelpTopic;
};

}  // namespace zova

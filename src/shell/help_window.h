// The program's own help window with its two topics: an overview of the
// calculator and the keyboard equivalents, generated from the key tables.
#pragma once

#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>

#include "model/toolkit.h"

namespace zova {

/// The page of a help topic as HTML; an unknown topic gets the overview.
QString helpTopicHtml(HelpTopic topic);
/// The page's title ("Overview", "Keyboard Equivalents").
QString helpTopicTitle(HelpTopic topic);

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* owner = nullptr);

  void showTopic(HelpTopic topic);
  HelpTopic topic() const { return topic_; }
  QTextBrowser* browser() const { return browser_; }
  QPushButton* closeButton() const { return closeButton_; }

  /// Shows the topic in the owner's help window, creating it on first use.
  static HelpWindow* open(QWidget* owner, HelpTopic topic);

 private:
  QTextBrowser* browser_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  HelpTopic topic_ = HelpTopic::kOverview;
};

}  // namespace zova

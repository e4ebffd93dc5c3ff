// The calculator's display line: the LED font's digits with a decimal point
// that takes a place of its own, and an optional log of how long a key takes
// to show.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <memory>

namespace zova {

/// The smallest size the display's text shrinks to, in pixels at 96 dots per inch:
/// the LED digits are as tall as their pixel size, and at 10 pixels each segment
/// still stands apart. The display holds kDisplayCharacters at this size.
inline constexpr int kLegibleDisplayPixels = 10;

class LedDisplay : public QLineEdit {
 public:
  explicit LedDisplay(QWidget* parent = nullptr);
  ~LedDisplay() override;

  /// Draws the text with the LED font's own point (true) or as a plain line edit.
  void setLedFace(bool led);
  /// The width the text takes in `font` as this display draws it.
  int textWidth(const QFont& font) const;
  /// The width the text may take: the display's inside less a margin for the
  /// plain face's own.
  int textRoom() const { return contentsRect().width() - 6; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  class KeyPressClock;
  bool led_ = false;
  // With ZOVA_LATENCY_LOG set: the file that gets one line per key press,
  // the press time and the end of the display's next paint.
  std::unique_ptr<KeyPressClock> clock_;
};

}  // namespace zova

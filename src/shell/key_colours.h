// The colours of the window's controls: the group a control belongs to, kept
// on the widget as its table row gives it, and the palette changes that paint
// a control in the settings file's colours.
#pragma once

#include <QColor>
#include <QFrame>
#include <QPalette>
#include <QVariant>
#include <QWidget>
#include <optional>

#include "engine/keys.h"
#include "model/model.h"

namespace zova {

inline constexpr char kColourGroupProperty[] = "zovaColourGroup";

inline void setColourGroup(QWidget* w, ColourGroup group) {
  w->setProperty(kColourGroupProperty, static_cast<int>(group));
}

/// The group a control was given; none for a control outside every table.
inline std::optional<ColourGroup> colourGroupOf(const QWidget* w) {
  const QVariant group = w->property(kColourGroupProperty);
  if (!group.isValid()) return std::nullopt;
  return static_cast<ColourGroup>(group.toInt());
}

/// A colour of the settings file as Qt's; invalid for a system colour.
QColor qtColour(Colour c);
/// Black or white, whichever reads better on `background`.
QColor textOn(const QColor& background);
/// Sets one palette role, or returns it to the application's default when
/// `colour` is invalid (a system colour).
void setRole(QWidget* w, QPalette::ColorRole role, const QColor& colour);
/// A control's back colour: a button's face, any other control's background.
void setBackColour(QWidget* w, const QColor& colour);
/// The face of a mode key that is on (inv, hyp): amber, or a dark amber where the
/// key's face when off (`off`, invalid for the palette's) is amber-like already.
QColor litColour(const QColor& off);
/// A label that acts as a button (Enter, Space, a click) shows the keyboard's focus
/// as a frame in the selection colour, two pixels wide.
void showFocusFrame(QFrame* label, bool focused);

}  // namespace zova

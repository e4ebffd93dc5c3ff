// The fraction search's whole-number test, shared with its tests.
#pragma once

namespace zova {

/// True exactly when n written with 15 significant digits has no "." (it shows as
/// whole): the search's quick test, decided without writing the text for almost every value.
bool wholeAsShown(double n);
/// The same, from the text of n's 15-digit form.
bool shownWithoutPoint(double n);

}  // namespace zova

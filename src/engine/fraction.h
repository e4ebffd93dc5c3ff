// The fraction search's whole-number test, shared with its tests.
#pragma once

namespace zova {

/// True exactly when paddedNumberText(n) contains no "." (the value shows as
/// whole), decided without writing the text for almost every value.
bool wholeAsShown(double n);

}  // namespace zova

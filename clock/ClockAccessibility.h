#pragma once

/// What assistive technology is told of the clock: the window and its visible readout carry the
/// text the readout shows (time or date) as their value, and the readout as its name.
namespace clockwindow {

void installClockAccessibility();

} // namespace clockwindow

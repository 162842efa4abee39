#pragma once

/// What assistive technology is told of the forms' kinds: a form shown as a dialog is a dialog,
/// and a horizontal scroll bar that scrolls nothing is the slider it stands for, with its value.
namespace platform {

void installFormAccessibility();

} // namespace platform

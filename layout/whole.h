#pragma once

namespace lumble {

// The one conversion from a computed double to whole pixels used by every
// layout: rounding to the nearest integer, halves away from zero, clamped to
// the 32-bit range.
int whole(double value);

} // namespace lumble

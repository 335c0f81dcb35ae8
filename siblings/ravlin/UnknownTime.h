#pragma once

// The time a status line of ravlin shows while nothing has been written, so
// the elapsed time can't be told yet. quenvo's progress display reads the
// status lines and skips this value: both sides include this header.
inline constexpr long long UnknownTime = 10000000000;

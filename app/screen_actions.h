// What OK, Cancel, the arrows and the service keys do on each screen. The
// window procedure routes every press here by GameMode.
#pragma once

// Move a cursor within lo..hi by delta; a cursor at a bound stays there.
int ClampedStep(int cursor, int delta, int lo, int hi);

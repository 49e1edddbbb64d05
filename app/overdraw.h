// Overdraw counting for --overdraw: how many fragments each pixel of a field
// frame takes, to see where the fill cost goes.
#pragma once

// Tell whether the frame about to run is counted.
bool OverdrawCounted();
// Start counting: every fragment that passes the depth test when it is drawn
// (what would be written) adds one to its pixel's stencil.
void BeginOverdrawFrame();
// Stop counting and add the frame's stencil counts to the totals.
void EndOverdrawFrame();
// Print the overdraw line, when counting was asked for.
void PrintOverdraw();

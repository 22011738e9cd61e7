#pragma once

// Puts every game global back to its state at program load (the backend is
// the caller's: install it first).
void ResetGameGlobals();

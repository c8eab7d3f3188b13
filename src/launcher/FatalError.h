#pragma once

// Tells the user in a modal error box that the program cannot go on; returns
// once the box is closed.
void ShowFatalError(unsigned stringId);

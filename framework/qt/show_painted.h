#pragma once
// Showing a window that must look right while the program then blocks (a progress
// notice during a transfer, when no event is handled for seconds).

class QWidget;

namespace pemlar::fw::qt {

// Shows the window and returns once its client area is painted on the screen: waits
// (at most `mapWaitMs`) for the window system to expose it, paints it synchronously,
// and makes a round trip to the window system so that the picture has arrived and an
// expose that came meanwhile is painted too. User input that arrives meanwhile is
// dropped: none of it may start anything while the caller blocks.
void showPainted(QWidget& window, int mapWaitMs = 500);

}  // namespace pemlar::fw::qt

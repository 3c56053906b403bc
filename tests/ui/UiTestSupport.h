#pragma once

#include <vector>

class CBalloonMsgWnd;
class QWidget;

// Shows a window and waits until it is the active one, so that it takes the keyboard focus.
bool ShowActive(QWidget& window);

// The balloons on the screen at this moment.
std::vector<CBalloonMsgWnd*> VisibleBalloons();

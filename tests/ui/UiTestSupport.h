#pragma once

class QWidget;

// Shows a window and waits until it is the active one, so that it takes the keyboard focus.
bool ShowActive(QWidget& window);

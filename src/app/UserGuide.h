#pragma once

#include <QUrl>

// The address of the user guide installed with the program, which the About box's link opens in
// the desktop's browser.
QUrl UserGuideAddress();

#pragma once

#include "ui/layout/ControlLookup.h"

#include <QString>

#include <stdexcept>
#include <string>

class QAbstractButton;
class QComboBox;
class QWidget;

// Clicks a check box or radio button on its indicator, the part every style counts as the button.
void ClickIndicator(QAbstractButton& button);

// Picks the item with this text with the keyboard, as a user does in a closed drop-down list.
void ChooseItem(QComboBox& combo, const QString& text);

// Writes a picture of the window into the build folder and returns its path.
QString SavePicture(QWidget& window, const QString& name);

// A control of the window that must be there.
template <class Control>
Control& Find(const QWidget& window, int id)
{
    Control* control = FindControl<Control>(&window, id);
    if (!control)
        throw std::logic_error("no control " + std::to_string(id));
    return *control;
}

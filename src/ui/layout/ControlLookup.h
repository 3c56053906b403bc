#pragma once

#include <QWidget>

// Controls carry the numeric identifier their template gives them (see ui/ControlIds.h), so that
// a window can find them by it, as the layout builders and the tests do.
void SetControlId(QWidget* control, int id);

// The control's identifier, or 0 when it has none.
int ControlId(const QWidget* control);

// The control with this identifier inside `window`, nearest first; nullptr when there is none.
// Other windows (dialogs, pop-ups) owned by `window` are not searched.
QWidget* FindControl(const QWidget* window, int id);

template <class Control>
Control* FindControl(const QWidget* window, int id)
{
    return qobject_cast<Control*>(FindControl(window, id));
}

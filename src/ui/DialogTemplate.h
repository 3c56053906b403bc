#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include <span>

class QWidget;

// The dialogs are designed in dialog units, which follow the dialog's font: a horizontal unit is a
// quarter of the font's average character width and a vertical unit an eighth of its height. A
// dialog built from a template therefore keeps its proportions at any font size and pixel density.

// The kinds of control a template can hold.
enum class ControlKind {
    Label,
    // A label whose text ends in "..." at a word boundary when it is too long for its width.
    EllipsisLabel,
    // A single-line edit field that scrolls horizontally.
    Edit,
    // A single-line edit field that accepts only a number (CCheckedEdit).
    CheckedEdit,
    Button,
    // The button that Enter presses.
    DefaultButton,
    GroupBox,
    // An unsorted drop-down list. Its template height is that of the open list, so the control
    // itself keeps its natural height.
    DropDownList,
    CheckBox,
    // Radio buttons with the same parent form one group.
    RadioButton,
    // A date field with a drop-down calendar.
    DatePicker,
    // A list of items shown as icons with their names below.
    IconList,
    // A list of rows in columns under a header.
    ReportList,
    // A plain list of texts.
    ListBox,
    // An image, centred in the control.
    Picture,
};

// One control: position and size in dialog units. Controls without an id of their own use kNoId.
struct ControlTemplate {
    static constexpr int kNoId = -1;

    int id;
    ControlKind kind;
    const char* text;
    int x;
    int y;
    int width;
    int height;
};

// A dialog: its client size in dialog units, its font and its controls in tab order. A font face
// of "MS Shell Dlg" or "MS Sans Serif" stands for the system's user-interface font.
struct DialogTemplate {
    int id;
    const char* caption;
    int width;
    int height;
    const char* fontFace;
    int pointSize;
    std::span<const ControlTemplate> controls;
};

// The least room, in horizontal dialog units, between a caption and the control to its right.
inline constexpr int kCaptionGap = 3;

// Converts dialog units into pixels for one font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QSize Size(int width, int height) const;
    QRect Rect(int x, int y, int width, int height) const;

private:
    int baseX;
    int baseY;
};

// The font a template asks for, with the system's user-interface font for the shell dialog faces.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// Gives the widget the template's font, caption and client size and creates all of its controls
// as children, each at its template rectangle and carrying its template id. Returns the units
// used, for callers that place further windows on the same grid.
DialogUnits BuildFromTemplate(const DialogTemplate& dialogTemplate, QWidget& widget);

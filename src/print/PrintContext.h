#pragma once

#include <string>

// Device coordinates: one unit per device pixel, y growing downwards. Right and bottom are the
// edges themselves, so the width is right - left.
struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PrintRect&) const = default;
};

struct PrintSize {
    int width = 0;
    int height = 0;
};

// What a printout needs to know of the device it draws on. The printable area starts at the
// physical offsets and is width by height device units; drawing coordinates start at its corner.
struct PrintDeviceMetrics {
    int dpiX = 0;
    int dpiY = 0;
    int offsetX = 0;
    int offsetY = 0;
    int width = 0;
    int height = 0;
};

// A font by face, height of the character cell in device units, and weight (400 normal, 700 bold).
// A height of 0 stands for the device's own font, the one a context starts with.
struct PrintFont {
    std::wstring face;
    int height = 0;
    int weight = 400;

    bool operator==(const PrintFont&) const = default;
};

// A solid black pen; a width of 0 stands for the device's own pen, the one a context starts with.
struct PrintPen {
    int width = 0;

    bool operator==(const PrintPen&) const = default;
};

enum class TextAlign { Left, Centre };

// The drawing operations a printout uses, and nothing more, so that its layout can be checked
// against a recording and drawn by any painter.
class PrintContext {
public:
    virtual ~PrintContext() = default;

    virtual PrintDeviceMetrics DeviceMetrics() const = 0;
    // The size of one line of text in the selected font.
    virtual PrintSize TextExtent(const std::wstring& text) const = 0;
    // Each returns what was selected before, so that the caller can put it back.
    virtual PrintFont SelectFont(const PrintFont& font) = 0;
    virtual PrintPen SelectPen(const PrintPen& pen) = 0;
    virtual void SetTransparentBackground() = 0;
    // A straight line from the current position to (x, y), which becomes the current position.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // One line of text, vertically centred in rect, aligned as asked and cut off at rect's edges.
    virtual void DrawTextLine(const std::wstring& text, const PrintRect& rect, TextAlign align) = 0;
};

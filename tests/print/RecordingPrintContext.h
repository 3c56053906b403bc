#pragma once

#include "print/PrintContext.h"

#include <string>
#include <vector>

struct RecordedLine {
    int x1, y1, x2, y2;
    int penWidth;

    bool operator==(const RecordedLine&) const = default;
};

struct RecordedText {
    std::wstring text;
    PrintRect rect;
    TextAlign align;
    PrintFont font;

    bool operator==(const RecordedText&) const = default;
};

struct RecordedPage {
    std::vector<RecordedLine> lines;
    std::vector<RecordedText> texts;

    bool operator==(const RecordedPage&) const = default;
};

// A device of any metrics that keeps what is drawn on it instead of drawing. A line of text is as
// high as its font's character cell and half that wide per character.
class RecordingPrintContext : public PrintContext {
public:
    explicit RecordingPrintContext(const PrintDeviceMetrics& metrics);

    // What was drawn since the last call.
    RecordedPage TakePage();
    const PrintFont& SelectedFont() const { return font; }
    const PrintPen& SelectedPen() const { return pen; }
    bool IsBackgroundTransparent() const { return transparent; }

    PrintDeviceMetrics DeviceMetrics() const override { return metrics; }
    PrintSize TextExtent(const std::wstring& text) const override;
    PrintFont SelectFont(const PrintFont& selected) override;
    PrintPen SelectPen(const PrintPen& selected) override;
    void SetTransparentBackground() override { transparent = true; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawTextLine(const std::wstring& text, const PrintRect& rect, TextAlign align) override;

private:
    PrintDeviceMetrics metrics;
    PrintFont font;
    PrintPen pen;
    bool transparent = false;
    int x = 0, y = 0;
    RecordedPage page;
};

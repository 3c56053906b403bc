#include "RecordingPrintContext.h"

#include <utility>

RecordingPrintContext::RecordingPrintContext(const PrintDeviceMetrics& metrics)
    : metrics(metrics)
{
}

RecordedPage RecordingPrintContext::TakePage()
{
    return std::exchange(page, RecordedPage{});
}

PrintSize RecordingPrintContext::TextExtent(const std::wstring& text) const
{
    return PrintSize{static_cast<int>(text.size()) * font.height / 2, font.height};
}

PrintFont RecordingPrintContext::SelectFont(const PrintFont& selected)
{
    return std::exchange(font, selected);
}

PrintPen RecordingPrintContext::SelectPen(const PrintPen& selected)
{
    return std::exchange(pen, selected);
}

void RecordingPrintContext::MoveTo(int toX, int toY)
{
    x = toX;
    y = toY;
}

void RecordingPrintContext::LineTo(int toX, int toY)
{
    page.lines.push_back(RecordedLine{x, y, toX, toY, pen.width});
    MoveTo(toX, toY);
}

void RecordingPrintContext::DrawTextLine(const std::wstring& text, const PrintRect& rect, TextAlign align)
{
    page.texts.push_back(RecordedText{text, rect, align, font});
}

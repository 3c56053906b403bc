#pragma once

#include "print/PrintContext.h"

#include <QFont>
#include <QPen>
#include <QPoint>

class QPaintDevice;
class QPainter;
class QPrinter;

// Draws a printout with a QPainter: on a printer, on the printer of a print preview, or on any
// other paint device.
class PainterPrintContext : public PrintContext {
public:
    PainterPrintContext(QPainter& painter, const PrintDeviceMetrics& metrics);

    // A printer's printable area is its page less the page margins, and the painter starts there.
    static PrintDeviceMetrics PrinterMetrics(const QPrinter& printer);
    // Any other device is printable all over.
    static PrintDeviceMetrics PaintDeviceMetrics(const QPaintDevice& device);
    // The application's font with the face, weight and character cell height of `font`.
    static QFont ToQFont(const PrintFont& font);

    PrintDeviceMetrics DeviceMetrics() const override { return metrics; }
    PrintSize TextExtent(const std::wstring& text) const override;
    PrintFont SelectFont(const PrintFont& font) override;
    PrintPen SelectPen(const PrintPen& pen) override;
    void SetTransparentBackground() override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawTextLine(const std::wstring& text, const PrintRect& rect, TextAlign align) override;

private:
    QPainter& painter;
    const PrintDeviceMetrics metrics;
    const QFont deviceFont;
    const QPen devicePen;
    PrintFont font;
    PrintPen pen;
    QPoint position;
};

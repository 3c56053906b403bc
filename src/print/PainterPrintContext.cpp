#include "print/PainterPrintContext.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <utility>

PainterPrintContext::PainterPrintContext(QPainter& painter, const PrintDeviceMetrics& metrics)
    : painter(painter)
    , metrics(metrics)
    , deviceFont(painter.font())
    , devicePen(painter.pen())
{
}

PrintDeviceMetrics PainterPrintContext::PrinterMetrics(const QPrinter& printer)
{
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    return PrintDeviceMetrics{printer.logicalDpiX(), printer.logicalDpiY(), printable.x(),
                              printable.y(),         printable.width(),     printable.height()};
}

PrintDeviceMetrics PainterPrintContext::PaintDeviceMetrics(const QPaintDevice& device)
{
    return PrintDeviceMetrics{device.logicalDpiX(), device.logicalDpiY(), 0, 0,
                              device.width(),       device.height()};
}

QFont PainterPrintContext::ToQFont(const PrintFont& font)
{
    QFont result = QGuiApplication::font();
    result.setFamily(QString::fromStdWString(font.face));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    // Qt sizes a font by its em, the height asked for is the whole character cell, ascent and
    // descent together: scale the em by what the cell of a trial size turns out to be.
    result.setPixelSize(font.height);
    const QFontMetricsF trial(result);
    const qreal cell = trial.ascent() + trial.descent();
    if (cell > 0)
        result.setPixelSize(std::max(1, qRound(font.height * font.height / cell)));
    return result;
}

PrintSize PainterPrintContext::TextExtent(const std::wstring& text) const
{
    const QFontMetrics measure(painter.font(), painter.device());
    return PrintSize{measure.horizontalAdvance(QString::fromStdWString(text)), measure.height()};
}

PrintFont PainterPrintContext::SelectFont(const PrintFont& selected)
{
    painter.setFont(selected.height > 0 ? ToQFont(selected) : deviceFont);
    return std::exchange(font, selected);
}

PrintPen PainterPrintContext::SelectPen(const PrintPen& selected)
{
    painter.setPen(selected.width > 0
                       ? QPen(Qt::black, selected.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                       : devicePen);
    return std::exchange(pen, selected);
}

void PainterPrintContext::SetTransparentBackground()
{
    painter.setBackgroundMode(Qt::TransparentMode);
}

void PainterPrintContext::MoveTo(int x, int y)
{
    position = QPoint(x, y);
}

void PainterPrintContext::LineTo(int x, int y)
{
    const QPoint to(x, y);
    painter.drawLine(position, to);
    position = to;
}

void PainterPrintContext::DrawTextLine(const std::wstring& text, const PrintRect& rect, TextAlign align)
{
    const int horizontal = align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    // Qt cuts the text off at the rectangle's edges unless told otherwise.
    painter.drawText(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                     horizontal | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromStdWString(text));
}

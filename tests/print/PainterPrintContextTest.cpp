#include "print/PainterPrintContext.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {
// A white 600 dpi sheet to draw on.
QImage Sheet(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(600 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

// The box around every pixel that is not white; an empty rectangle for a white image.
QRect Inked(const QImage& image)
{
    QRect inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                inked |= QRect(x, y, 1, 1);
    return inked;
}
} // namespace

TEST(PainterPrintContext, PrintsTimesNewRomanAsItsMetricTwinAtTheCellHeightAskedFor)
{
    const PrintFont fonts[] = {{L"Times New Roman", 187, 700}, {L"Times New Roman", 87, 400}};
    QImage sheet = Sheet(10, 10);
    QPainter painter(&sheet);
    PainterPrintContext dc(painter, PainterPrintContext::PaintDeviceMetrics(sheet));
    const QFont own = painter.font();
    for (const PrintFont& font : fonts) {
        SCOPED_TRACE(font.height);
        const QFontInfo resolved(PainterPrintContext::ToQFont(font));
        // Any other face would change every row's height and so the pages.
        EXPECT_EQ(resolved.family(), QStringLiteral("Liberation Serif"));
        EXPECT_EQ(resolved.bold(), font.weight == 700);
        const PrintFont previous = dc.SelectFont(font);
        EXPECT_NEAR(dc.TextExtent(L"by").height, font.height, 1);
        dc.SelectFont(previous);
        EXPECT_EQ(painter.font(), own) << "the device's own font is back";
    }
}

TEST(PainterPrintContext, CutsTextOffAtItsRectangle)
{
    const PrintRect rect{50, 40, 250, 120};
    for (const TextAlign align : {TextAlign::Left, TextAlign::Centre}) {
        QImage sheet = Sheet(300, 160);
        {
            QPainter painter(&sheet);
            PainterPrintContext dc(painter, PainterPrintContext::PaintDeviceMetrics(sheet));
            dc.SelectFont(PrintFont{L"Times New Roman", 120, 400});
            dc.DrawTextLine(L"Replace range hood filters", rect, align);
        }
        const QRect inked = Inked(sheet);
        ASSERT_FALSE(inked.isEmpty());
        EXPECT_EQ(inked & QRect(50, 40, 200, 80), inked) << "ink outside the rectangle";
        EXPECT_GE(inked.width(), 190) << "a text longer than its rectangle fills it";
    }
}

TEST(PainterPrintContext, DrawsLinesFromTheCurrentPositionWithTheSelectedPen)
{
    QImage sheet = Sheet(200, 200);
    {
        QPainter painter(&sheet);
        PainterPrintContext dc(painter, PainterPrintContext::PaintDeviceMetrics(sheet));
        dc.SelectPen(PrintPen{6});
        dc.MoveTo(50, 50);
        dc.LineTo(150, 50);
        dc.LineTo(150, 150);
    }
    // A 6 unit pen centred on the lines, their ends squared off: 100 units of line and 3 on each side.
    const QRect inked = Inked(sheet);
    EXPECT_NEAR(inked.left(), 47, 1);
    EXPECT_NEAR(inked.top(), 47, 1);
    EXPECT_NEAR(inked.right(), 152, 1);
    EXPECT_NEAR(inked.bottom(), 152, 1);
    EXPECT_EQ(sheet.pixel(100, 100), qRgb(255, 255, 255));
}

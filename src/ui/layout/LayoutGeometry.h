#pragma once

// Plain geometry for the pane arithmetic, so that it needs no windowing toolkit. Rectangles follow
// the half-open convention: right and bottom lie just outside.
struct LayoutSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const LayoutSize&, const LayoutSize&) = default;
};

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

#pragma once

// How a pane or item sizes itself, as a set of bits. Without a size bit in a direction the element
// is greedy there: it shares whatever space is left over.
enum ResizeMode : unsigned {
    Greedy = 0,
    FixedWidth = 0x1,
    PercentWidth = 0x2,
    FixedHeight = 0x4,
    PercentHeight = 0x8,
    AlignLeft = 0x10,
    AlignRight = 0x20, // with AlignLeft: centred
    AlignTop = 0x40,
    AlignBottom = 0x80, // with AlignTop: centred
    FillWidth = 0x100, // a fixed width may still grow into its cell and into leftover space
    FillHeight = 0x200,
};

// A pane lays its children out side by side (Horizontal) or stacked (Vertical).
enum Orientation : int {
    Horizontal = 0,
    Vertical = 1,
};

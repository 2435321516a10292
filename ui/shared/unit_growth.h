// Where the dialog font needs more room for a static text or a button's text
// than the template gives it, the dialog units grow, in that direction,
// until the neediest text fits: the whole dialog keeps its proportions.
#pragma once

#include <cstddef>
#include <functional>

#include "dialog_templates.h"

// Pixels; a control without text needs none (0 x 0).
struct TextRoom {
    double width;
    double height;
};

struct UnitGrowth {
    double horizontal;
    double vertical;
};

// `room(i)` is what the text of control i needs in the dialog's font, and a
// dialog unit is `unitWidth` x `unitHeight` pixels. Each factor is at least 1.
// A 90-unit text that needs 100 units' pixels in a 60-unit wide control -> 100 / 60 across.
UnitGrowth GrowthToFit(const DialogTemplate& dialogTemplate, const std::function<TextRoom(std::size_t index)>& room,
                       double unitWidth, double unitHeight);

// A control's place in pixels from its units times the pixels of a unit:
// a position rounds to the nearest pixel; a size rounds up, so that no
// control ends up smaller than its units, but not for the last bits of a
// product that is whole in decimal.
int PositionPixels(double pixels);
int SizePixels(double pixels);

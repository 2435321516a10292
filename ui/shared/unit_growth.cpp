#include "unit_growth.h"

#include <algorithm>
#include <cmath>

UnitGrowth GrowthToFit(const DialogTemplate& dialogTemplate, const std::function<TextRoom(std::size_t index)>& room,
                       double unitWidth, double unitHeight) {
    UnitGrowth growth{1.0, 1.0};
    for (std::size_t i = 0; i < dialogTemplate.controlCount; ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        const TextRoom needed = room(i);
        if (needed.width <= 0 || needed.height <= 0) continue;
        growth.horizontal = std::max(growth.horizontal, needed.width / (control.width * unitWidth));
        growth.vertical = std::max(growth.vertical, needed.height / (control.height * unitHeight));
    }
    return growth;
}

int PositionPixels(double pixels) { return static_cast<int>(std::lround(pixels)); }

int SizePixels(double pixels) { return static_cast<int>(std::ceil(pixels - 1e-9)); }

#include "progress_steps.h"

#include <cmath>

#include "dialog_templates.h"

namespace {

constexpr int kPasses = 3;

}  // namespace

int ProgressSteps(int pass, double share) {
    return static_cast<int>(std::lround((pass - 1 + share) * kProgressRange / kPasses));
}

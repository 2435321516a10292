#include "passes/vector_group.h"

#include <cmath>
#include <cstring>

namespace iob {

std::pair<long long, long long> PackedIndex(long long n, long long k, bool diagonal) {
    if (diagonal) return {k, k};
    // Rows 1..j of the upper triangle hold j*n - j*(j-1)/2 elements; find the
    // largest j whose rows end before k. The square root gives it to within a
    // row or two, the loops make it exact.
    auto elementsInRows = [n](long long j) { return j * n - j * (j - 1) / 2; };
    double b = 2.0 * static_cast<double>(n) + 1.0;
    double discriminant = b * b - 8.0 * static_cast<double>(k);
    long long j = static_cast<long long>((b - std::sqrt(discriminant > 0 ? discriminant : 0)) / 2.0);
    if (j < 0) j = 0;
    if (j > n - 1) j = n - 1;
    while (j > 0 && elementsInRows(j) >= k) --j;
    while (j + 1 <= n - 1 && elementsInRows(j + 1) < k) ++j;
    long long row = j + 1;
    return {row, row + (k - elementsInRows(j)) - 1};
}

void VectorGroup::ClearElements() {
    for (VectorRecord& vector : vectors) std::memset(vector.block, 0, sizeof vector.block);
}

void VectorGroup::ScaleCorrelations() {
    for (VectorRecord& vector : vectors) {
        for (int row = 0; row < 3; ++row) {
            for (int column = row; column < 3; ++column) {
                double& element = vector.block[row][column];
                element = (vector.standardDeviation[row] * element) * vector.standardDeviation[column];
            }
        }
    }
}

void VectorGroup::Reset() {
    vectors.clear();
    couplings_.Clear();
    elementCount_ = 0;
    cov = CovarianceSettings{};
    last_ = Place{};
}

}  // namespace iob

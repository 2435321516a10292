// The arithmetic of the covariance forms: a local block turned into the
// geocentric frame, and a weight matrix inverted.
#include <gtest/gtest.h>

#include <random>

#include "passes/covariance_frames.h"
#include "passes/weight_matrix.h"

using namespace iob;

namespace {

double Trace(const Matrix3& a) { return a.m[0][0] + a.m[1][1] + a.m[2][2]; }

double Determinant(const Matrix3& a) {
    return a.m[0][0] * (a.m[1][1] * a.m[2][2] - a.m[1][2] * a.m[2][1]) -
           a.m[0][1] * (a.m[1][0] * a.m[2][2] - a.m[1][2] * a.m[2][0]) +
           a.m[0][2] * (a.m[1][0] * a.m[2][1] - a.m[1][1] * a.m[2][0]);
}

TEST(CovarianceFrames, TurningKeepsTraceAndDeterminantAndSymmetry) {
    const Matrix3 block = {{{4e-6, 5e-7, -3e-7}, {5e-7, 9e-6, 7e-7}, {-3e-7, 7e-7, 1.6e-5}}};
    for (double latitude : {-89.5, -33.51, 0.0, 45.0, 90.0}) {
        for (double longitude : {-180.0, -75.06, 0.0, 12.5, 151.12}) {
            const Matrix3 turned = TurnBlock(LocalFrameAxes(latitude, longitude), block);
            EXPECT_NEAR(Trace(turned), Trace(block), 1e-12 * Trace(block)) << latitude << " " << longitude;
            EXPECT_NEAR(Determinant(turned), Determinant(block), 1e-9 * Determinant(block));
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < i; ++j) EXPECT_NEAR(turned.m[i][j], turned.m[j][i], 1e-12 * Trace(block));
            }
        }
    }
}

// At the north pole up is Z; north and east turn with the longitude.
TEST(CovarianceFrames, AtTheNorthPoleTheAxesAreKnownGeocentricAxes) {
    const struct {
        double longitude;
        double north[3], east[3];
    } cases[] = {{0.0, {-1, 0, 0}, {0, 1, 0}}, {90.0, {0, -1, 0}, {-1, 0, 0}}, {180.0, {1, 0, 0}, {0, -1, 0}}};
    for (const auto& c : cases) {
        const Matrix3 axes = LocalFrameAxes(90.0, c.longitude);
        for (int row = 0; row < 3; ++row) {
            EXPECT_NEAR(axes.m[row][0], c.north[row], 1e-15) << c.longitude;
            EXPECT_NEAR(axes.m[row][1], c.east[row], 1e-15) << c.longitude;
            EXPECT_NEAR(axes.m[row][2], row == 2 ? 1.0 : 0.0, 1e-15) << c.longitude;
        }
    }
}

// Weights of about 1e5 per square metre, every vector coupled with every
// other, and dominant enough on the diagonal to be positive definite.
TEST(WeightMatrix, WeightsTimesTheirInverseIsTheIdentityUpTo50Vectors) {
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> coupling(-1.0, 1.0);
    for (std::size_t vectors : {1u, 2u, 7u, 25u, 50u}) {
        const std::size_t n = 3 * vectors;
        std::vector<double> weights(n * n, 0.0);
        for (std::size_t column = 0; column < n; ++column) {
            for (std::size_t row = 0; row < column; ++row) weights[column * n + row] = 1e5 * coupling(random);
            weights[column * n + column] = 1e5 * static_cast<double>(n);
        }
        std::vector<double> inverse = weights;
        ASSERT_TRUE(InvertWeights(inverse, n));
        auto w = [&](std::size_t i, std::size_t j) { return i <= j ? weights[j * n + i] : weights[i * n + j]; };
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                double product = 0.0;
                for (std::size_t k = 0; k < n; ++k) product += w(i, k) * inverse[j * n + k];
                ASSERT_NEAR(product, i == j ? 1.0 : 0.0, 1e-12) << vectors << " vectors, " << i << " " << j;
            }
        }
    }
}

}  // namespace

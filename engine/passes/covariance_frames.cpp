#include "passes/covariance_frames.h"

#include <cmath>

namespace iob {
namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// The dot product of two rows of three, summed as ((a0 b0 + a1 b1) + a2 b2):
// one fixed order, so that every build writes the same digits.
double RowTimesRow(const double (&a)[3], const double (&b)[3]) { return (a[0] * b[0] + a[1] * b[1]) + a[2] * b[2]; }

}  // namespace

Matrix3 LocalFrameAxes(double latitudeDegrees, double longitudeDegrees) {
    const double phi = latitudeDegrees * kRadiansPerDegree;
    const double lambda = longitudeDegrees * kRadiansPerDegree;
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double sinLambda = std::sin(lambda);
    const double cosLambda = std::cos(lambda);
    return {{{-sinPhi * cosLambda, -sinLambda, cosPhi * cosLambda},
             {-sinPhi * sinLambda, cosLambda, cosPhi * sinLambda},
             {cosPhi, 0.0, sinPhi}}};
}

Matrix3 TurnBlock(const Matrix3& axes, const Matrix3& block) {
    // (R C)(i, j) is row i of R times column j of C.
    Matrix3 t{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const double column[3] = {block.m[0][j], block.m[1][j], block.m[2][j]};
            t.m[i][j] = RowTimesRow(axes.m[i], column);
        }
    }
    // (T R^T)(i, j) is row i of T times row j of R.
    Matrix3 turned{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) turned.m[i][j] = RowTimesRow(t.m[i], axes.m[j]);
    }
    return turned;
}

Covariance TurnToGeocentric(const Covariance& local, const StationRecord& station) {
    const Matrix3 block = {
        {{local.xx, local.xy, local.xz}, {local.xy, local.yy, local.yz}, {local.xz, local.yz, local.zz}}};
    const Matrix3 c = TurnBlock(LocalFrameAxes(station.latitudeDegrees, station.longitudeDegrees), block);
    // The output holds the lower triangle, row by row.
    return {c.m[0][0], c.m[1][0], c.m[1][1], c.m[2][0], c.m[2][1], c.m[2][2]};
}

}  // namespace iob

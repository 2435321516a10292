// Covariances given in a station's local geodetic frame (north, east, up)
// turned into the geocentric frame (X, Y, Z) that the output holds.
#pragma once

#include "writing/records.h"

namespace iob {

struct Matrix3 {
    double m[3][3];
};

// R, whose columns are the unit vectors north, east and up at a geodetic
// latitude and longitude in degrees:
//   n = (-sin phi cos lambda, -sin phi sin lambda, cos phi)
//   e = (-sin lambda, cos lambda, 0)
//   u = (cos phi cos lambda, cos phi sin lambda, sin phi)
Matrix3 LocalFrameAxes(double latitudeDegrees, double longitudeDegrees);

// R C R^T, formed as (R C) R^T with each three-term sum as ((a + b) + c).
Matrix3 TurnBlock(const Matrix3& axes, const Matrix3& block);

// The geocentric covariance of a block given north, east, up at the station.
Covariance TurnToGeocentric(const Covariance& local, const StationRecord& station);

}  // namespace iob

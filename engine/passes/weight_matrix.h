// The weight matrix of a WGT group, and its inverse: the group's covariances.
#pragma once

#include <cstddef>
#include <vector>

#include "writing/records.h"

namespace iob {

// Replaces `matrix`, a symmetric matrix of order `order` given by its upper
// triangle (element (row, column), 0-based, row <= column, at
// column x order + row), with its full inverse, through a Cholesky
// factorisation. Returns false, leaving `matrix` spoilt, when the matrix is
// not positive definite or an element of it is not finite. An inverse too
// large for a double holds infinities, which are written as they are.
bool InvertWeights(std::vector<double>& matrix, std::size_t order);

// Each vector keeps its own 3 x 3 block of weights in its VectorRecord, as
// it does under COV; this holds the weights that couple two vectors, which
// only the inversion needs. While the group is read they are kept as they
// come, in runs along the rows, 8 bytes a weight: the group's order may
// still grow, and a matrix laid out for one order would have to be copied
// whole for every vector that joins. The full matrix, 8 (3n)^2 bytes for n
// vectors, is laid out only when a complete group is inverted.
class WeightMatrix {
public:
    // Stores weight (row, column), 1-based, row < column; a later weight in
    // the same place replaces an earlier one.
    void StoreCoupling(std::size_t row, std::size_t column, double weight);

    // Forgets every weight and gives the storage back.
    void Clear();

    // Inverts the group's weights, the blocks of `vectors` and the couplings
    // stored, and gives each vector its block of the inverse. A diagonal
    // matrix (DIAG) is inverted weight by weight, each of which must be
    // finite and > 0. Returns false when the matrix cannot be inverted.
    bool InvertInto(std::vector<VectorRecord>& vectors, bool diagonal);

private:
    // Weights (row, firstColumn), (row, firstColumn + 1), ... from weights_[start] on.
    struct Run {
        std::size_t row, firstColumn, start;
    };
    std::vector<Run> runs_;
    std::vector<double> weights_;
};

}  // namespace iob

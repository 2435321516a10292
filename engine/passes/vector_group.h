// A group of GPS vectors being collected: its vectors, the settings of its
// covariance header, and where each ELEM element of its matrix goes.
#pragma once

#include <cstddef>
#include <tuple>
#include <utility>
#include <vector>

#include "passes/covariance_settings.h"
#include "passes/weight_matrix.h"
#include "writing/records.h"

namespace iob {

// The 1-based (row, column) of the k-th ELEM value of a group whose matrix
// has order n: along the rows of the upper triangle, or down the diagonal.
// n = 3: k = 1..6 -> (1,1) (1,2) (1,3) (2,2) (2,3) (3,3). Needs 1 <= k <= the
// group's target (n(n+1)/2, or n when diagonal).
std::pair<long long, long long> PackedIndex(long long n, long long k, bool diagonal);

// Where an element of a group's matrix goes: its row and column, 1-based,
// and the vector of its row, 0-based.
struct ElementPlace {
    long long row, column, vector;

    // Whether it lies in its row's vector's own 3 x 3 block, or couples two
    // vectors: the upper triangle's column is never left of its row.
    bool InBlock() const { return column <= 3 * vector + 3; }
};

class VectorGroup {
public:
    std::vector<VectorRecord> vectors;
    CovarianceSettings cov;
    LineNumber firstVectorLine = 0;  // the line of the group's first DXYZ record

    // The order of the group's matrix, how many elements make it up, and how
    // many complete the group: a correlation matrix is followed by the
    // standard deviation of each component.
    long long Order() const { return 3 * static_cast<long long>(vectors.size()); }
    long long MatrixTarget() const { return cov.diagonal ? Order() : Order() * (Order() + 1) / 2; }
    long long Target() const { return MatrixTarget() + (cov.kind->correlations ? Order() : 0); }
    long long ElementCount() const { return elementCount_; }

    // Forgets the elements stored in the vectors' blocks: a generated kind
    // (GENC) makes the group's matrix from its header's constants alone.
    // Couplings stored so far wait for Reset.
    void ClearElements();

    // Counts the next element and returns its place. Inline, as are the two
    // below: they run for every element of every group.
    ElementPlace PlaceNextElement() {
        ++elementCount_;
        const long long n = Order();
        const bool follows = last_.order == n && last_.diagonal == cov.diagonal && last_.count + 1 == elementCount_;
        if (follows && !cov.diagonal && last_.column < n) {
            ++last_.column;
        } else {
            if (follows && cov.diagonal) {
                last_.row = last_.column = elementCount_;
            } else if (follows) {
                last_.column = ++last_.row;
            } else {
                std::tie(last_.row, last_.column) = PackedIndex(n, elementCount_, cov.diagonal);
            }
            // Once a row: the divisions of the other elements' blocks are spared.
            last_.vector = (last_.row - 1) / 3;
        }
        last_.order = n;
        last_.diagonal = cov.diagonal;
        last_.count = elementCount_;
        return {last_.row, last_.column, last_.vector};
    }

    // Whether the element at `place` is kept. Elements that couple two vectors
    // are kept only where the kind keeps couplings (weights, for the
    // inversion); no output line holds a coupling covariance, so its number
    // is not even read. In groups of several vectors most elements are such couplings.
    bool IsElementKept(const ElementPlace& place) const { return place.InBlock() || cov.kind->KeepsCouplings(); }

    // Stores a kept element: in its vector's own block, or as a coupling weight.
    void StoreElement(const ElementPlace& place, double value) {
        if (place.InBlock()) {
            const long long first = 3 * place.vector + 1;  // the block's first row and column
            vectors[static_cast<std::size_t>(place.vector)].block[place.row - first][place.column - first] = value;
        } else {
            couplings_.StoreCoupling(static_cast<std::size_t>(place.row), static_cast<std::size_t>(place.column),
                                     value);
        }
    }

    // Of a correlation matrix that has all its elements: counts the next
    // value, a standard deviation, and returns its component, 0-based.
    long long PlaceNextStandardDeviation() { return ++elementCount_ - MatrixTarget() - 1; }
    void StoreStandardDeviation(long long component, double value) {
        vectors[static_cast<std::size_t>(component / 3)].standardDeviation[component % 3] = value;
    }

    // Turns every vector's block of correlations into its covariances,
    // (sd_i r_ij) sd_j, in that order.
    void ScaleCorrelations();

    // For a kind that inverts (weights), turns every vector's block of
    // weights into its block of the inverse; false when they cannot be inverted.
    bool InvertWeights() { return couplings_.InvertInto(vectors, cov.diagonal); }

    // Empties the group for the next one.
    void Reset();

private:
    WeightMatrix couplings_;  // for a kind that keeps couplings
    long long elementCount_ = 0;
    // Where the last element went. The next one goes one column further
    // along its row, unless a vector or a DIAG flag changed the matrix since.
    struct Place {
        long long order = -1, count = 0, row = 0, column = 0;
        long long vector = 0;  // the row's vector, 0-based
        bool diagonal = false;
    } last_;
};

}  // namespace iob

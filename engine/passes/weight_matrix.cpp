#include "passes/weight_matrix.h"

#include <cmath>

#include <Eigen/Cholesky>
#include <Eigen/Core>

namespace iob {

bool InvertWeights(std::vector<double>& matrix, std::size_t order) {
    // The factorisation takes a NaN for a positive pivot; the lower triangle is zeros.
    for (double weight : matrix) {
        if (!std::isfinite(weight)) return false;
    }
    const auto n = static_cast<Eigen::Index>(order);
    Eigen::Map<Eigen::MatrixXd> weights(matrix.data(), n, n);
    Eigen::Ref<Eigen::MatrixXd> inPlace(weights);
    Eigen::LLT<Eigen::Ref<Eigen::MatrixXd>, Eigen::Upper> cholesky(inPlace);
    if (cholesky.info() != Eigen::Success) return false;
    // The factor lives in `matrix`: the inverse needs storage of its own.
    const Eigen::MatrixXd inverse = cholesky.solve(Eigen::MatrixXd::Identity(n, n));
    weights = inverse;
    return true;
}

namespace {

// Each weight (and each variance of the inverse) of a DIAG group on its own.
bool InvertDiagonal(std::vector<VectorRecord>& vectors) {
    for (VectorRecord& vector : vectors) {
        for (int i = 0; i < 3; ++i) {
            double& weight = vector.block[i][i];
            if (!(std::isfinite(weight) && weight > 0.0)) return false;
            weight = 1.0 / weight;
        }
    }
    return true;
}

// Copies each vector's block into its place on the diagonal of `matrix`
// (column by column, of order 3n), or back from there.
void CopyBlocks(std::vector<VectorRecord>& vectors, std::vector<double>& matrix, bool intoMatrix) {
    const std::size_t order = 3 * vectors.size();
    for (std::size_t v = 0; v < vectors.size(); ++v) {
        for (std::size_t row = 0; row < 3; ++row) {
            for (std::size_t column = row; column < 3; ++column) {
                double& element = matrix[(3 * v + column) * order + 3 * v + row];
                double& block = vectors[v].block[row][column];
                if (intoMatrix) {
                    element = block;
                } else {
                    block = element;
                }
            }
        }
    }
}

}  // namespace

void WeightMatrix::StoreCoupling(std::size_t row, std::size_t column, double weight) {
    // Elements come along the rows: most weights extend the last run.
    if (runs_.empty() || runs_.back().row != row ||
        runs_.back().firstColumn + (weights_.size() - runs_.back().start) != column) {
        runs_.push_back({row, column, weights_.size()});
    }
    weights_.push_back(weight);
}

void WeightMatrix::Clear() {
    runs_ = std::vector<Run>();
    weights_ = std::vector<double>();
}

bool WeightMatrix::InvertInto(std::vector<VectorRecord>& vectors, bool diagonal) {
    if (diagonal) return InvertDiagonal(vectors);
    const std::size_t order = 3 * vectors.size();
    std::vector<double> matrix(order * order, 0.0);
    // The runs in the order they came, so that a later weight in the same
    // place wins; then the blocks, which lie apart from every coupling.
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const std::size_t end = r + 1 < runs_.size() ? runs_[r + 1].start : weights_.size();
        for (std::size_t i = runs_[r].start; i < end; ++i) {
            const std::size_t column = runs_[r].firstColumn - 1 + (i - runs_[r].start);
            matrix[column * order + runs_[r].row - 1] = weights_[i];
        }
    }
    Clear();
    CopyBlocks(vectors, matrix, true);
    if (!InvertWeights(matrix, order)) return false;
    CopyBlocks(vectors, matrix, false);
    return true;
}

}  // namespace iob

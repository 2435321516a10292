#include "weight_matrix.h"

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
    if (diagonal) {
        for (VectorRecord& vector : vectors) {
            for (int i = 0; i < 3; ++i) {
                double& weight = vector.block[i][i];
                if (!(std::isfinite(weight) && weight > 0.0)) return false;
                weight = 1.0 / weight;
            }
        }
        return true;
    }
    const std::size_t order = 3 * vectors.size();
    std::vector<double> matrix(order * order, 0.0);
    auto element = [&](std::size_t row, std::size_t column) -> double& { return matrix[column * order + row]; };
    // The runs in the order they came, so that a later weight in the same
    // place wins; then the blocks, which lie apart from every coupling.
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const std::size_t end = r + 1 < runs_.size() ? runs_[r + 1].start : weights_.size();
        for (std::size_t i = runs_[r].start; i < end; ++i) {
            element(runs_[r].row - 1, runs_[r].firstColumn - 1 + (i - runs_[r].start)) = weights_[i];
        }
    }
    Clear();
    for (std::size_t v = 0; v < vectors.size(); ++v) {
        for (std::size_t row = 0; row < 3; ++row) {
            for (std::size_t column = row; column < 3; ++column) {
                element(3 * v + row, 3 * v + column) = vectors[v].block[row][column];
            }
        }
    }
    if (!InvertWeights(matrix, order)) return false;
    for (std::size_t v = 0; v < vectors.size(); ++v) {
        for (std::size_t row = 0; row < 3; ++row) {
            for (std::size_t column = row; column < 3; ++column) {
                vectors[v].block[row][column] = element(3 * v + row, 3 * v + column);
            }
        }
    }
    return true;
}

}  // namespace iob

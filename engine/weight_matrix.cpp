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
    return weights.allFinite();
}

void WeightMatrix::StoreCoupling(std::size_t order, std::size_t row, std::size_t column, double weight) {
    if (order > order_) Grow(order);
    elements_[(column - 1) * order_ + (row - 1)] = weight;
}

void WeightMatrix::Clear() {
    order_ = 0;
    elements_ = std::vector<double>();
}

void WeightMatrix::Grow(std::size_t order) {
    // A vector that joins the group after some weights adds rows and columns.
    std::vector<double> grown(order * order, 0.0);
    for (std::size_t column = 0; column < order_; ++column) {
        for (std::size_t row = 0; row < order_; ++row) {
            grown[column * order + row] = elements_[column * order_ + row];
        }
    }
    elements_.swap(grown);
    order_ = order;
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
    if (order > order_) Grow(order);
    auto element = [&](std::size_t vector, int row, int column) -> double& {
        return elements_[(3 * vector + static_cast<std::size_t>(column)) * order_ + 3 * vector +
                         static_cast<std::size_t>(row)];
    };
    for (std::size_t v = 0; v < vectors.size(); ++v) {
        for (int row = 0; row < 3; ++row) {
            for (int column = row; column < 3; ++column) element(v, row, column) = vectors[v].block[row][column];
        }
    }
    if (!InvertWeights(elements_, order_)) return false;
    for (std::size_t v = 0; v < vectors.size(); ++v) {
        for (int row = 0; row < 3; ++row) {
            for (int column = row; column < 3; ++column) vectors[v].block[row][column] = element(v, row, column);
        }
    }
    return true;
}

}  // namespace iob

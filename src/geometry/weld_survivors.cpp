#include "geometry/weld_survivors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <utility>

namespace {

using VertexList = std::vector<std::unique_ptr<Vertex>>;

// For each vertex, the index of the earliest vertex before it that lies closer than tolerance, or its own
// index when there is none. A face reference to vertex k ends up at survivors[k] after replacing B by A for
// every close pair (A before B) in pair order: a reference moves at the first pair that names its vertex
// second, to an earlier vertex, and no later pair names that earlier vertex second.
std::vector<std::size_t> bruteForceSurvivors(const VertexList& vertices, double tolerance) {
    std::vector<std::size_t> survivors(vertices.size());
    std::iota(survivors.begin(), survivors.end(), 0);
    for (std::size_t k = 1; k < vertices.size(); ++k) {
        for (std::size_t i = 0; i < k; ++i) {
            if (vertices[i]->distance(*vertices[k]) < tolerance) {
                survivors[k] = i;
                break;
            }
        }
    }
    return survivors;
}

using Cell = std::array<std::int64_t, 3>;

// Spelled out: the library's array comparison goes through memcmp, which dominates the lookups.
bool sameCell(const Cell& a, const Cell& b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// The runs of a sorted vertex order that share a cell, found by cell: open addressing over a power-of-two
// table, which keeps the many lookups of empty neighbour cells cheap.
class CellTable {
  public:
    explicit CellTable(std::size_t count) {
        std::size_t capacity = 16;
        while (capacity < 2 * count) {
            capacity *= 2;
        }
        slots_.resize(capacity);
        mask_ = capacity - 1;
    }

    void insert(const Cell& cell, std::size_t begin, std::size_t end) {
        std::size_t i = hash(cell) & mask_;
        while (slots_[i].end != 0) {
            i = (i + 1) & mask_;
        }
        slots_[i] = {cell, begin, end};
    }

    // The run [begin, end) of the cell; empty when no vertex lies in it.
    std::pair<std::size_t, std::size_t> find(const Cell& cell) const {
        for (std::size_t i = hash(cell) & mask_; slots_[i].end != 0; i = (i + 1) & mask_) {
            if (sameCell(slots_[i].cell, cell)) {
                return {slots_[i].begin, slots_[i].end};
            }
        }
        return {0, 0};
    }

  private:
    struct Slot {
        Cell cell{};
        std::size_t begin = 0;
        std::size_t end = 0;  // 0 marks a free slot: every run has end > begin >= 0
    };

    static std::size_t hash(const Cell& cell) {
        std::uint64_t hash = 0;
        for (std::int64_t c : cell) {
            hash = (hash ^ static_cast<std::uint64_t>(c)) * 0x9E3779B97F4A7C15ull;
            hash ^= hash >> 29;
        }
        return static_cast<std::size_t>(hash);
    }

    std::vector<Slot> slots_;
    std::size_t mask_;
};

// Below this many vertices comparing every pair is cheaper than sorting them into cells.
constexpr std::size_t bruteForceLimit = 48;

}  // namespace

// Same result as bruteForceSurvivors, looking only at vertices in neighbouring cells of twice the tolerance.
// A close pair differs by less than half a cell per axis; with cell coordinates below 2^40 the rounding of
// the division stays far below the other half, so close vertices always lie in the same or adjacent cells.
std::vector<std::size_t> weldSurvivors(const VertexList& vertices, double tolerance) {
    const std::size_t count = vertices.size();
    if (!(tolerance > 0)) {
        std::vector<std::size_t> result(count);
        std::iota(result.begin(), result.end(), 0);
        return result;  // no distance is below zero
    }
    if (count <= bruteForceLimit) {
        return bruteForceSurvivors(vertices, tolerance);
    }
    const double cellSize = 2 * tolerance;
    constexpr double cellLimit = 0x1p40;
    std::vector<Cell> cells(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double coordinates[3] = {vertices[k]->x / cellSize, vertices[k]->y / cellSize,
                                       vertices[k]->z / cellSize};
        for (int axis = 0; axis < 3; ++axis) {
            if (!(std::abs(coordinates[axis]) < cellLimit)) {
                return bruteForceSurvivors(vertices, tolerance);
            }
            cells[k][axis] = static_cast<std::int64_t>(std::floor(coordinates[axis]));
        }
    }
    // Vertex indices grouped by cell, ascending within each cell.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t i, std::size_t j) { return cells[i] < cells[j]; });
    CellTable runs(count);
    for (std::size_t begin = 0, end; begin < count; begin = end) {
        end = begin + 1;
        while (end < count && sameCell(cells[order[end]], cells[order[begin]])) {
            ++end;
        }
        runs.insert(cells[order[begin]], begin, end);
    }
    std::vector<std::size_t> result(count);
    for (std::size_t k = 0; k < count; ++k) {
        std::size_t best = k;
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                for (std::int64_t dz = -1; dz <= 1; ++dz) {
                    auto [begin, end] = runs.find({cells[k][0] + dx, cells[k][1] + dy, cells[k][2] + dz});
                    for (std::size_t n = begin; n < end && order[n] < best; ++n) {
                        if (vertices[order[n]]->distance(*vertices[k]) < tolerance) {
                            best = order[n];
                            break;
                        }
                    }
                }
            }
        }
        result[k] = best;
    }
    return result;
}

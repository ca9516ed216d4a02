#include "geometry/mesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iomanip>
#include <numeric>
#include <ostream>
#include <stdexcept>
#include <unordered_map>

#include "geometry/matrix.h"

namespace {

constexpr double mergeTolerance = 0.001;

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

// Same result as bruteForceSurvivors, looking only at vertices in neighbouring cells of twice the tolerance.
// A close pair differs by less than half a cell per axis; with cell coordinates below 2^40 the rounding of
// the division stays far below the other half, so close vertices always lie in the same or adjacent cells.
std::vector<std::size_t> survivors(const VertexList& vertices, double tolerance) {
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

}  // namespace

Mesh::~Mesh() {
    vertices_.clear();
    faces_.clear();
}

Vertex* Mesh::addVertex(std::unique_ptr<Vertex> vertex) {
    vertices_.push_back(std::move(vertex));
    return vertices_.back().get();
}

Face* Mesh::addFace(std::unique_ptr<Face> face) {
    faces_.push_back(std::move(face));
    return faces_.back().get();
}

void Mesh::draw() const {
    for (const auto& face : faces_) {
        face->draw();
    }
}

Vertex& Mesh::nearestVertex(const Vector& p) const {
    if (vertices_.empty()) {
        throw std::runtime_error("Zero size Mesh::vertices");
    }
    Vertex* nearest = vertices_.front().get();
    double nearestDistance = nearest->distance(p);
    for (const auto& v : vertices_) {
        double distance = v->distance(p);
        if (distance < nearestDistance) {
            nearest = v.get();
            nearestDistance = distance;
        }
    }
    return *nearest;
}

Mesh& Mesh::moveNearestVertex(const Vector& p, const Vector& to) {
    nearestVertex(p).set(to);
    return *this;
}

Mesh& Mesh::moveNearestVertex(double px, double py, double pz, double tx, double ty, double tz) {
    return moveNearestVertex(Vector(px, py, pz), Vector(tx, ty, tz));
}

Mesh& Mesh::paintNearestVertex(const Vector& p, const Color& c) {
    static_cast<Color&>(nearestVertex(p)) = c;
    return *this;
}

Mesh& Mesh::paintNearestVertex(double x, double y, double z, const Color& c) {
    return paintNearestVertex(Vector(x, y, z), c);
}

Mesh& Mesh::paint(const Color& c) {
    for (auto& v : vertices_) {
        static_cast<Color&>(*v) = c;
    }
    return *this;
}

Mesh& Mesh::shade(const Color& c) {
    Bounds box = bounds();
    double height = box.max.y - box.min.y;
    if (height == 0) {
        return *this;
    }
    for (auto& v : vertices_) {
        double t = (v->y - box.min.y) / height;
        v->r = (v->r - c.r) * t + c.r;
        v->g = (v->g - c.g) * t + c.g;
        v->b = (v->b - c.b) * t + c.b;
    }
    return *this;
}

Bounds Mesh::bounds() const {
    if (vertices_.empty()) {
        return Bounds{};
    }
    Bounds box{*vertices_.front(), *vertices_.front()};
    for (const auto& v : vertices_) {
        box.min.set(std::min(box.min.x, v->x), std::min(box.min.y, v->y), std::min(box.min.z, v->z));
        box.max.set(std::max(box.max.x, v->x), std::max(box.max.y, v->y), std::max(box.max.z, v->z));
    }
    return box;
}

Mesh& Mesh::translate(double x, double y, double z) {
    return translate(Vector(x, y, z));
}

Mesh& Mesh::translate(const Vector& v) {
    for (auto& vertex : vertices_) {
        vertex->translate(v);
    }
    return *this;
}

Mesh& Mesh::translateY(double dy) {
    return translate(0, dy, 0);
}

Mesh& Mesh::scale(double x, double y, double z) {
    return scale(Vector(x, y, z));
}

Mesh& Mesh::scale(const Vector& v) {
    for (auto& vertex : vertices_) {
        vertex->multiply(v);
    }
    return *this;
}

Mesh& Mesh::scale(double s) {
    return scale(s, s, s);
}

Mesh& Mesh::rotateX(double angle) {
    Matrix rotation;
    rotation.rotationX(angle);
    for (auto& vertex : vertices_) {
        vertex->transform(rotation);
    }
    return *this;
}

Mesh& Mesh::rotateY(double angle) {
    Matrix rotation;
    rotation.rotationY(angle);
    for (auto& vertex : vertices_) {
        vertex->transform(rotation);
    }
    return *this;
}

Mesh& Mesh::rotateZ(double angle) {
    Matrix rotation;
    rotation.rotationZ(angle);
    for (auto& vertex : vertices_) {
        vertex->transform(rotation);
    }
    return *this;
}

Mesh& Mesh::center() {
    return translate(bounds().center().negate());
}

Mesh& Mesh::jitter(double d) {
    for (auto& vertex : vertices_) {
        vertex->jitter(Vector(d, 0, d));
    }
    return *this;
}

Mesh& Mesh::snap(double steps) {
    for (auto& vertex : vertices_) {
        vertex->snap(steps);
    }
    // Steps of 1 or less all snap to whole numbers, so they weld as whole numbers do.
    return weld(1 / std::max(steps, 1.0) / 10);
}

Mesh& Mesh::weld(double tolerance) {
    const std::vector<std::size_t> survivor = survivors(vertices_, tolerance);
    std::unordered_map<const Vertex*, std::size_t> index;
    index.reserve(vertices_.size());
    for (std::size_t k = 0; k < vertices_.size(); ++k) {
        index.emplace(vertices_[k].get(), k);
    }
    // Re-point each reference at its survivor, remembering the survivor's index for the clean-up.
    std::vector<std::size_t> corners;
    const std::function<void(Vertex*&)> repoint = [&](Vertex*& v) {
        auto found = index.find(v);
        if (found == index.end()) {
            corners.push_back(vertices_.size());  // not one of ours; nothing to keep
            return;
        }
        std::size_t kept = survivor[found->second];
        v = vertices_[kept].get();
        corners.push_back(kept);
    };
    std::vector<bool> used(vertices_.size() + 1, false);
    std::erase_if(faces_, [&](const std::unique_ptr<Face>& face) {
        corners.clear();
        face->forEachVertex(repoint);
        if (face->degenerate()) {
            return true;
        }
        for (std::size_t corner : corners) {
            used[corner] = true;
        }
        return false;
    });
    std::size_t kept = 0;
    for (std::size_t k = 0; k < vertices_.size(); ++k) {
        if (used[k]) {
            std::swap(vertices_[kept++], vertices_[k]);
        }
    }
    vertices_.resize(kept);
    return *this;
}

Mesh& Mesh::merge(const Mesh& other) {
    if (&other == this) {
        return merge(*copy());
    }
    const std::size_t firstNewFace = faces_.size();
    for (const auto& face : other.faces_) {
        faces_.push_back(face->clone());
    }
    std::unordered_map<const Vertex*, Vertex*> copies;
    for (const auto& v : other.vertices_) {
        copies.emplace(v.get(), addVertex(std::make_unique<Vertex>(*v)));
    }
    // Only the new faces can refer to the other mesh's vertices.
    for (std::size_t i = firstNewFace; i < faces_.size(); ++i) {
        faces_[i]->forEachVertex([&](Vertex*& v) {
            if (auto found = copies.find(v); found != copies.end()) {
                v = found->second;
            }
        });
    }
    return weld(mergeTolerance);
}

std::unique_ptr<Mesh> Mesh::copy() const {
    auto mesh = std::make_unique<Mesh>();
    mesh->merge(*this);
    return mesh;
}

Mesh& Mesh::clear() {
    vertices_.clear();
    faces_.clear();
    return *this;
}

std::ostream& operator<<(std::ostream& out, const Mesh& mesh) {
    const auto& vertices = mesh.vertices();
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        out << std::setw(8) << i << ": " << static_cast<const Vector&>(*vertices[i]) << '\n';
    }
    return out << '\n' << std::setw(9) << vertices.size() << ' ' << std::setw(8) << mesh.faces().size();
}

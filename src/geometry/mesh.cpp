#include "geometry/mesh.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iomanip>
#include <numeric>
#include <ostream>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

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

struct CellHash {
    std::size_t operator()(const Cell& cell) const {
        std::size_t hash = 0;
        for (std::int64_t c : cell) {
            hash = hash * 1000003 ^ std::hash<std::int64_t>()(c);
        }
        return hash;
    }
};

// Same result as bruteForceSurvivors, looking only at vertices in neighbouring cells of twice the tolerance.
// A close pair differs by less than half a cell per axis; with cell coordinates below 2^40 the rounding of
// the division stays far below the other half, so close vertices always lie in the same or adjacent cells.
std::vector<std::size_t> survivors(const VertexList& vertices, double tolerance) {
    std::vector<std::size_t> result(vertices.size());
    std::iota(result.begin(), result.end(), 0);
    if (!(tolerance > 0)) {
        return result;  // no distance is below zero
    }
    const double cellSize = 2 * tolerance;
    constexpr double cellLimit = 0x1p40;
    std::vector<Cell> cells;
    cells.reserve(vertices.size());
    for (const auto& v : vertices) {
        Cell cell;
        const double coordinates[3] = {v->x / cellSize, v->y / cellSize, v->z / cellSize};
        for (int axis = 0; axis < 3; ++axis) {
            if (!(std::abs(coordinates[axis]) < cellLimit)) {
                return bruteForceSurvivors(vertices, tolerance);
            }
            cell[axis] = static_cast<std::int64_t>(std::floor(coordinates[axis]));
        }
        cells.push_back(cell);
    }
    std::unordered_map<Cell, std::vector<std::size_t>, CellHash> buckets;
    for (std::size_t k = 0; k < vertices.size(); ++k) {
        buckets[cells[k]].push_back(k);  // ascending indices in every bucket
    }
    for (std::size_t k = 1; k < vertices.size(); ++k) {
        std::size_t best = k;
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                for (std::int64_t dz = -1; dz <= 1; ++dz) {
                    auto bucket = buckets.find({cells[k][0] + dx, cells[k][1] + dy, cells[k][2] + dz});
                    if (bucket == buckets.end()) {
                        continue;
                    }
                    for (std::size_t i : bucket->second) {
                        if (i >= best) {
                            break;
                        }
                        if (vertices[i]->distance(*vertices[k]) < tolerance) {
                            best = i;
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
    std::vector<std::size_t> survivor = survivors(vertices_, tolerance);
    std::unordered_map<const Vertex*, Vertex*> replacements;
    for (std::size_t k = 0; k < vertices_.size(); ++k) {
        if (survivor[k] != k) {
            replacements.emplace(vertices_[k].get(), vertices_[survivor[k]].get());
        }
    }
    if (!replacements.empty()) {
        for (auto& face : faces_) {
            face->forEachVertex([&](Vertex*& v) {
                if (auto found = replacements.find(v); found != replacements.end()) {
                    v = found->second;
                }
            });
        }
    }
    std::erase_if(faces_, [](const std::unique_ptr<Face>& face) { return face->degenerate(); });
    std::unordered_set<const Vertex*> used;
    for (auto& face : faces_) {
        face->forEachVertex([&](Vertex*& v) { used.insert(v); });
    }
    std::erase_if(vertices_, [&](const std::unique_ptr<Vertex>& v) { return !used.contains(v.get()); });
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

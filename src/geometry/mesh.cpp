#include "geometry/mesh.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iomanip>
#include <ostream>
#include <stdexcept>
#include <unordered_map>

#include "geometry/matrix.h"
#include "geometry/mesh_culler.h"
#include "geometry/weld_survivors.h"

namespace {

constexpr double mergeTolerance = 0.001;

}  // namespace

Mesh::~Mesh() {
    vertices_.clear();
    faces_.clear();
}

Vertex* Mesh::addVertex(std::unique_ptr<Vertex> vertex) {
    edited();
    vertices_.push_back(std::move(vertex));
    return vertices_.back().get();
}

Face* Mesh::addFace(std::unique_ptr<Face> face) {
    edited();
    faces_.push_back(std::move(face));
    return faces_.back().get();
}

void Mesh::draw() const {
    if (MeshCuller* culler = MeshCuller::bound(); culler != nullptr && !culler->mayShow(boundingSphere())) {
        return;
    }
    if (MeshRecorder* recorder = MeshRecorder::bound()) {
        recorder->draw(*this, recording_);
        return;
    }
    drawFaces();
}

void Mesh::drawFaces() const {
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
    edited();
    nearestVertex(p).set(to);
    return *this;
}

Mesh& Mesh::moveNearestVertex(double px, double py, double pz, double tx, double ty, double tz) {
    return moveNearestVertex(Vector(px, py, pz), Vector(tx, ty, tz));
}

Mesh& Mesh::paintNearestVertex(const Vector& p, const Color& c) {
    edited();
    static_cast<Color&>(nearestVertex(p)) = c;
    return *this;
}

Mesh& Mesh::paintNearestVertex(double x, double y, double z, const Color& c) {
    return paintNearestVertex(Vector(x, y, z), c);
}

Mesh& Mesh::paint(const Color& c) {
    edited();
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
    edited();
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

const Sphere& Mesh::boundingSphere() const {
    if (!boundingSphere_) {
        Sphere sphere{bounds().center(), 0};
        for (const auto& v : vertices_) {
            sphere.radius = std::max(sphere.radius, v->distance(sphere.centre));
        }
        boundingSphere_ = sphere;
    }
    return *boundingSphere_;
}

Mesh& Mesh::translate(double x, double y, double z) {
    return translate(Vector(x, y, z));
}

Mesh& Mesh::translate(const Vector& v) {
    edited();
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
    edited();
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
    edited();
    for (auto& vertex : vertices_) {
        vertex->transform(rotation);
    }
    return *this;
}

Mesh& Mesh::rotateY(double angle) {
    Matrix rotation;
    rotation.rotationY(angle);
    edited();
    for (auto& vertex : vertices_) {
        vertex->transform(rotation);
    }
    return *this;
}

Mesh& Mesh::rotateZ(double angle) {
    Matrix rotation;
    rotation.rotationZ(angle);
    edited();
    for (auto& vertex : vertices_) {
        vertex->transform(rotation);
    }
    return *this;
}

Mesh& Mesh::center() {
    return translate(bounds().center().negate());
}

Mesh& Mesh::jitter(double d) {
    edited();
    for (auto& vertex : vertices_) {
        vertex->jitter(Vector(d, 0, d));
    }
    return *this;
}

Mesh& Mesh::snap(double steps) {
    edited();
    for (auto& vertex : vertices_) {
        vertex->snap(steps);
    }
    // Steps of 1 or less all snap to whole numbers, so they weld as whole numbers do.
    return weld(1 / std::max(steps, 1.0) / 10);
}

Mesh& Mesh::weld(double tolerance) {
    edited();
    const std::vector<std::size_t> survivor = weldSurvivors(vertices_, tolerance);
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
    edited();
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

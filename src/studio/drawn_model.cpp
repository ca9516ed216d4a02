#include <GL/glew.h>

#include "studio/drawn_model.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <tuple>

#include "app/logic.h"

namespace {

// A square viewport large enough that GL's window coordinates keep a float's precision.
constexpr int ViewportSize = 4096;
// Per vertex in GL_3D_COLOR feedback: x, y, z and r, g, b, a.
constexpr std::size_t VertexFloats = 7;

// Runs the drawing in feedback mode with a buffer that grows until it holds everything.
std::vector<GLfloat> feedback(Logic& scene) {
    for (std::size_t capacity = std::size_t{1} << 20;; capacity *= 2) {
        std::vector<GLfloat> buffer(capacity);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        scene.drawObjects();
        const GLint used = glRenderMode(GL_RENDER);
        if (used >= 0) {
            buffer.resize(static_cast<std::size_t>(used));
            return buffer;
        }
        if (capacity > (std::size_t{1} << 28)) {
            throw std::runtime_error("can't export: the model is too large");
        }
    }
}

// Turns the window coordinates of the orthographic box back into world coordinates.
class Unproject {
  public:
    explicit Unproject(double extent) : extent_(extent) {}

    DrawnModel::Triple operator()(const GLfloat* window) const {
        const double x = (window[0] * 2.0 / ViewportSize - 1) * extent_;
        const double y = (window[1] * 2.0 / ViewportSize - 1) * extent_;
        // glOrtho with near -extent and far extent: depth 0 is z = extent, depth 1 is z = -extent.
        const double z = -(window[2] * 2.0 - 1) * extent_;
        return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    }

  private:
    double extent_;
};

class ModelBuilder {
  public:
    explicit ModelBuilder(double extent) : unproject_(extent) {}

    std::uint32_t vertex(const GLfloat* values) {
        const DrawnModel::Triple position = unproject_(values);
        const DrawnModel::Triple colour{values[3], values[4], values[5]};
        const auto [entry, added] = indices_.try_emplace(std::tuple(position, colour),
                                                         static_cast<std::uint32_t>(model.positions.size()));
        if (added) {
            model.positions.push_back(position);
            model.colours.push_back(colour);
        }
        return entry->second;
    }

    DrawnModel model;

  private:
    Unproject unproject_;
    std::map<std::tuple<DrawnModel::Triple, DrawnModel::Triple>, std::uint32_t> indices_;
};

DrawnModel::Triple corner(const std::vector<DrawnModel::Triple>& positions, const auto& pick) {
    if (positions.empty()) {
        return {0, 0, 0};
    }
    DrawnModel::Triple result = positions.front();
    for (const DrawnModel::Triple& p : positions) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            result[axis] = pick(result[axis], p[axis]);
        }
    }
    return result;
}

}  // namespace

DrawnModel::Triple DrawnModel::lowest() const {
    return corner(positions, [](float a, float b) { return std::min(a, b); });
}

DrawnModel::Triple DrawnModel::highest() const {
    return corner(positions, [](float a, float b) { return std::max(a, b); });
}

DrawnModel captureDrawnModel(Logic& scene, double extent) {
    // Every face counts, whichever way it faces and however the viewer draws it just now.
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glViewport(0, 0, ViewportSize, ViewportSize);
    glDepthRange(0, 1);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    std::vector<GLfloat> caught;
    try {
        caught = feedback(scene);
    } catch (...) {
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glPopAttrib();
        throw;
    }
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();

    ModelBuilder builder(extent);
    std::vector<std::uint32_t> polygon;
    for (std::size_t i = 0; i < caught.size();) {
        const auto token = static_cast<GLenum>(caught[i++]);
        if (token == GL_POLYGON_TOKEN) {
            const auto count = static_cast<std::size_t>(caught[i++]);
            polygon.clear();
            for (std::size_t v = 0; v < count; ++v, i += VertexFloats) {
                polygon.push_back(builder.vertex(&caught[i]));
            }
            // A fan: a triangle stays one triangle.
            for (std::size_t v = 2; v < polygon.size(); ++v) {
                builder.model.triangles.insert(builder.model.triangles.end(),
                                               {polygon[0], polygon[v - 1], polygon[v]});
            }
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            const std::uint32_t a = builder.vertex(&caught[i]);
            const std::uint32_t b = builder.vertex(&caught[i + VertexFloats]);
            builder.model.lines.insert(builder.model.lines.end(), {a, b});
            i += 2 * VertexFloats;
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            i += 1;
        } else {
            // Points, bitmaps and pixel copies: one vertex each, with no shape to export.
            i += VertexFloats;
        }
    }
    return std::move(builder.model);
}

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "geometry/mesh.h"
#include "scene/mesh_object.h"
#include "studio/drawn_model.h"
#include "studio/file_output.h"
#include "studio/model_files.h"
#include "studio/studio.h"
#include "support/gl_context.h"

// The same build of tinygltf as the viewer's, whose loader reads what its writer wrote.
#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#include <tiny_gltf.h>

namespace {

using Corner = std::array<float, 3>;

// What a file holds, as read back by a reader that is not its writer.
struct ReadBack {
    std::size_t vertices = 0;
    std::size_t triangles = 0;
    std::size_t lines = 0;
    Corner low{1e9f, 1e9f, 1e9f};
    Corner high{-1e9f, -1e9f, -1e9f};

    void extend(const float* p) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], p[axis]);
            high[axis] = std::max(high[axis], p[axis]);
        }
    }
};

ReadBack readObj(const std::string& path) {
    ReadBack read;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "v") {
            float p[3];
            fields >> p[0] >> p[1] >> p[2];
            read.extend(p);
            ++read.vertices;
        }
        read.triangles += kind == "f";
        read.lines += kind == "l";
    }
    return read;
}

ReadBack readStl(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ReadBack read;
    std::uint32_t count = 0;
    std::memcpy(&count, bytes.data() + 80, 4);
    EXPECT_EQ(bytes.size(), 84 + 50 * std::size_t{count}) << "a header, a count and 50 bytes a triangle";
    for (std::size_t t = 0; t < count && 84 + 50 * (t + 1) <= bytes.size(); ++t) {
        for (std::size_t corner = 0; corner < 3; ++corner) {
            float p[3];
            std::memcpy(p, bytes.data() + 84 + 50 * t + 12 * (corner + 1), 12);
            read.extend(p);
            ++read.vertices;
        }
    }
    read.triangles = count;
    return read;
}

ReadBack readGlb(const std::string& path) {
    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string error;
    std::string warning;
    EXPECT_TRUE(loader.LoadBinaryFromFile(&model, &error, &warning, path)) << error;
    ReadBack read;
    for (const tinygltf::Mesh& mesh : model.meshes) {
        for (const tinygltf::Primitive& primitive : mesh.primitives) {
            const tinygltf::Accessor& positions = model.accessors.at(primitive.attributes.at("POSITION"));
            EXPECT_EQ(model.accessors.at(primitive.attributes.at("COLOR_0")).count, positions.count);
            const tinygltf::BufferView& view = model.bufferViews.at(positions.bufferView);
            const auto* xyz = reinterpret_cast<const float*>(model.buffers.at(view.buffer).data.data() +
                                                             view.byteOffset + positions.byteOffset);
            read.vertices = positions.count;
            for (std::size_t v = 0; v < positions.count; ++v) {
                read.extend(xyz + 3 * v);
            }
            const std::size_t indices = model.accessors.at(primitive.indices).count;
            if (primitive.mode == TINYGLTF_MODE_TRIANGLES) {
                read.triangles += indices / 3;
            } else if (primitive.mode == TINYGLTF_MODE_LINE) {
                read.lines += indices / 2;
            }
        }
    }
    return read;
}

struct Drawn {
    std::size_t triangles = 0;
    std::size_t lines = 0;
    std::size_t meshVertices = 0;
    std::size_t meshTriangles = 0;
    Corner meshLow{};
    Corner meshHigh{};
};

// What the viewer draws of its model, counted in GL's own feedback, and its main mesh where it stands.
Drawn drawnBy(Studio& studio) {
    Drawn drawn;
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-50, 50, -50, 50, -50, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (const FeedbackPrimitive& primitive : captureFeedback([&] { studio.drawObjects(); }, 1 << 24)) {
        drawn.triangles += primitive.kind == GL_POLYGON_TOKEN ? primitive.vertices.size() - 2 : 0;
        drawn.lines += primitive.kind == GL_LINE_TOKEN || primitive.kind == GL_LINE_RESET_TOKEN;
    }
    const Mesh& mesh = studio.model()->mesh();
    drawn.meshVertices = mesh.vertices().size();
    drawn.meshTriangles = static_cast<std::size_t>(std::count_if(
        mesh.faces().begin(), mesh.faces().end(),
        [](const auto& face) { return dynamic_cast<const TriangleFace*>(face.get()) != nullptr; }));
    const Bounds bounds = mesh.bounds();
    const Vector& at = studio.model()->position();
    drawn.meshLow = {float(bounds.min.x + at.x), float(bounds.min.y + at.y), float(bounds.min.z + at.z)};
    drawn.meshHigh = {float(bounds.max.x + at.x), float(bounds.max.y + at.y), float(bounds.max.z + at.z)};
    return drawn;
}

void expectCorner(const Corner& actual, const Corner& expected) {
    for (std::size_t axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(actual[axis], expected[axis], 1e-4) << "axis " << axis;
    }
}

// Every model in every format: what each file holds, read back, is what the viewer draws at the start,
// every part where it is drawn; a model drawn from one mesh keeps that mesh's vertices and bounds.
TEST(ModelExport, EveryModelInEveryFormatReadsBackAsTheViewerDrawsIt) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "studio_model_export_test";
    std::filesystem::create_directories(folder);
    for (const ViewerModel& shown : viewerModels()) {
        SCOPED_TRACE(shown.name);
        // One viewer for every file: a tree grows a little differently every time it is built.
        Studio studio(shown);
        const Drawn drawn = drawnBy(studio);
        ReadBack files[3];
        const char* endings[3] = {".glb", ".obj", ".stl"};
        for (int format = 0; format < 3; ++format) {
            const std::string path = (folder / shown.name).string() + endings[format];
            writeModelFile(captureDrawnModel(studio, 50), path, shown.name);
            EXPECT_FALSE(std::filesystem::exists(path + ".partial"));
            files[format] = format == 0 ? readGlb(path) : format == 1 ? readObj(path) : readStl(path);
        }
        const auto& [glb, obj, stl] = files;
        EXPECT_GT(drawn.triangles, 0u);
        expectCorner(obj.low, glb.low);
        expectCorner(obj.high, glb.high);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            EXPECT_LE(glb.low[axis], drawn.meshLow[axis] + 1e-4f) << "the model's mesh is inside";
            EXPECT_GE(glb.high[axis], drawn.meshHigh[axis] - 1e-4f) << "the model's mesh is inside";
            // STL holds no lines, so a model's lines may reach beyond its triangles.
            EXPECT_GE(stl.low[axis], glb.low[axis] - 1e-4f);
            EXPECT_LE(stl.high[axis], glb.high[axis] + 1e-4f);
        }
        if (drawn.lines == 0) {
            expectCorner(stl.low, glb.low);
            expectCorner(stl.high, glb.high);
        }
        for (const ReadBack& file : files) {
            EXPECT_EQ(file.triangles, drawn.triangles);
        }
        EXPECT_EQ(obj.lines, drawn.lines);
        EXPECT_EQ(glb.lines, drawn.lines);
        EXPECT_EQ(obj.vertices, glb.vertices);
        EXPECT_EQ(stl.vertices, 3 * drawn.triangles);
        if (drawn.triangles == drawn.meshTriangles) {
            // Drawn from its one mesh: its vertices, shared as the mesh shares them, and its bounds.
            EXPECT_EQ(obj.vertices, drawn.meshVertices);
            expectCorner(obj.low, drawn.meshLow);
            expectCorner(obj.high, drawn.meshHigh);
        }
    }
    std::filesystem::remove_all(folder);
}

TEST(ModelExport, AFileThatCannotBeWrittenFailsAndLeavesNothing) {
    const std::string path = (std::filesystem::temp_directory_path() / "no such folder" / "van.obj").string();
    ViewerCommand command;
    command.model = &viewerModels().front();
    command.exportPath = path;
    testing::internal::CaptureStderr();
    EXPECT_EQ(writeViewerFiles(command), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "studio: can't write " + path + "\n");
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace

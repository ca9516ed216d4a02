#include "studio/model_files.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "studio/written_file.h"

#define TINYGLTF_IMPLEMENTATION
#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#include <tiny_gltf.h>

namespace {

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool writeObj(const DrawnModel& model, const std::string& path, std::string_view name) {
    std::ofstream out(path, std::ios::binary);
    out << "# " << name << ", exported by Studio 3D\no " << name << '\n';
    char line[160];
    for (std::size_t i = 0; i < model.positions.size(); ++i) {
        const auto& p = model.positions[i];
        const auto& c = model.colours[i];
        // Nine significant digits bring a float back exactly.
        std::snprintf(line, sizeof line, "v %.9g %.9g %.9g %.6g %.6g %.6g\n", p[0], p[1], p[2], c[0], c[1],
                      c[2]);
        out << line;
    }
    // OBJ counts vertices from 1.
    for (std::size_t i = 0; i < model.triangles.size(); i += 3) {
        out << "f " << model.triangles[i] + 1 << ' ' << model.triangles[i + 1] + 1 << ' '
            << model.triangles[i + 2] + 1 << '\n';
    }
    for (std::size_t i = 0; i < model.lines.size(); i += 2) {
        out << "l " << model.lines[i] + 1 << ' ' << model.lines[i + 1] + 1 << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}

void putFloat(std::string& bytes, float value) {
    char raw[4];
    std::memcpy(raw, &value, 4);
    bytes.append(raw, 4);
}

// Little-endian, as the format wants and as every machine this builds for stores it.
void putLittle(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// The 15-bit colour that VisCAM and SolidView read from a facet's attribute: bit 15 says it is set.
std::uint16_t facetColour(const DrawnModel& model, const std::uint32_t* corners) {
    std::uint32_t packed = 0x8000;
    for (int channel = 0; channel < 3; ++channel) {
        const float mean = (model.colours[corners[0]][channel] + model.colours[corners[1]][channel] +
                            model.colours[corners[2]][channel]) /
                           3;
        const auto level = static_cast<std::uint32_t>(std::lround(std::clamp(mean, 0.0f, 1.0f) * 31));
        packed |= level << (10 - 5 * channel);
    }
    return static_cast<std::uint16_t>(packed);
}

bool writeStl(const DrawnModel& model, const std::string& path, std::string_view name) {
    std::string bytes = "Studio 3D binary STL: ";
    bytes.append(name.substr(0, 80 - bytes.size()));
    bytes.resize(80, ' ');
    const std::size_t count = model.triangles.size() / 3;
    putLittle(bytes, static_cast<std::uint32_t>(count), 4);
    for (std::size_t t = 0; t < count; ++t) {
        const std::uint32_t* corners = &model.triangles[3 * t];
        const auto& a = model.positions[corners[0]];
        const auto& b = model.positions[corners[1]];
        const auto& c = model.positions[corners[2]];
        const std::array<float, 3> u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const std::array<float, 3> v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        std::array<float, 3> normal{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                    u[0] * v[1] - u[1] * v[0]};
        const float length = std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
        for (float& n : normal) {
            n = length > 0 ? n / length : 0;
            putFloat(bytes, n);
        }
        for (const auto* corner : {&a, &b, &c}) {
            for (float coordinate : *corner) {
                putFloat(bytes, coordinate);
            }
        }
        putLittle(bytes, facetColour(model, corners), 2);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

// Appends values to the buffer as a view and an accessor of the given type; returns the accessor's index.
template <typename T>
int addAccessor(tinygltf::Model& gltf, const std::vector<T>& values, int componentType, int type, int count,
                int target) {
    tinygltf::Buffer& buffer = gltf.buffers.front();
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = buffer.data.size();
    view.byteLength = values.size() * sizeof(T);
    view.target = target;
    const auto* raw = reinterpret_cast<const unsigned char*>(values.data());
    buffer.data.insert(buffer.data.end(), raw, raw + view.byteLength);
    gltf.bufferViews.push_back(view);

    tinygltf::Accessor accessor;
    accessor.bufferView = static_cast<int>(gltf.bufferViews.size() - 1);
    accessor.componentType = componentType;
    accessor.type = type;
    accessor.count = static_cast<std::size_t>(count);
    gltf.accessors.push_back(accessor);
    return static_cast<int>(gltf.accessors.size() - 1);
}

bool writeGlb(const DrawnModel& model, const std::string& path, std::string_view name) {
    tinygltf::Model gltf;
    gltf.asset.version = "2.0";
    gltf.asset.generator = "Studio 3D";
    gltf.buffers.emplace_back();
    const int vertexCount = static_cast<int>(model.positions.size());
    const int positions = addAccessor(gltf, model.positions, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                      TINYGLTF_TYPE_VEC3, vertexCount, TINYGLTF_TARGET_ARRAY_BUFFER);
    const auto low = model.lowest();
    const auto high = model.highest();
    // glTF wants the positions' bounds.
    gltf.accessors[static_cast<std::size_t>(positions)].minValues = {low[0], low[1], low[2]};
    gltf.accessors[static_cast<std::size_t>(positions)].maxValues = {high[0], high[1], high[2]};
    const int colours = addAccessor(gltf, model.colours, TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3,
                                    vertexCount, TINYGLTF_TARGET_ARRAY_BUFFER);

    tinygltf::Mesh mesh;
    mesh.name = name;
    for (const auto& [indices, mode] : {std::pair(&model.triangles, TINYGLTF_MODE_TRIANGLES),
                                        std::pair(&model.lines, TINYGLTF_MODE_LINE)}) {
        if (indices->empty()) {
            continue;
        }
        tinygltf::Primitive primitive;
        primitive.mode = mode;
        primitive.attributes["POSITION"] = positions;
        primitive.attributes["COLOR_0"] = colours;
        primitive.indices =
            addAccessor(gltf, *indices, TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, TINYGLTF_TYPE_SCALAR,
                        static_cast<int>(indices->size()), TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
        mesh.primitives.push_back(primitive);
    }
    gltf.meshes.push_back(mesh);
    tinygltf::Node node;
    node.name = name;
    node.mesh = 0;
    gltf.nodes.push_back(node);
    tinygltf::Scene scene;
    scene.nodes.push_back(0);
    gltf.scenes.push_back(scene);
    gltf.defaultScene = 0;

    tinygltf::TinyGLTF writer;
    return writer.WriteGltfSceneToFile(&gltf, path, true, true, false, true);
}

}  // namespace

void writeModelFile(const DrawnModel& model, const std::string& path, std::string_view name) {
    writeWholeFile(path, [&](const std::string& partial) {
        if (endsWith(path, ".glb")) {
            return writeGlb(model, partial, name);
        }
        if (endsWith(path, ".obj")) {
            return writeObj(model, partial, name);
        }
        return endsWith(path, ".stl") && writeStl(model, partial, name);
    });
}

#include "studio/viewer_models.h"

#include "geometry/color.h"
#include "models/fokker.h"
#include "models/garden_tree.h"
#include "models/raf.h"
#include "models/tank.h"
#include "models/tanks_tree.h"

namespace {

constexpr ViewerModel models[] = {
    {"van", []() -> MeshObject* { return new RAF(Magenta, 1.0); }},
    {"tank", []() -> MeshObject* { return new Tank(Color(0.4, 1.0, 0.2), 1.0); }},
    {"triplane", []() -> MeshObject* { return new Fokker(1.25); }},
    {"garden-tree", []() -> MeshObject* { return new Garden::Tree(5); }},
    {"conifer", []() -> MeshObject* { return new Tanks::Tree(5, 0.1); }},
};

}  // namespace

std::span<const ViewerModel> viewerModels() {
    return models;
}

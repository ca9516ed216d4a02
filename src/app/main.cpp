#include "app/graphics.h"

#include <iostream>
#include <memory>
#include <stdexcept>

namespace {

// The scene the program shows until the model viewer takes its place: an empty black world.
class EmptyScene : public Graphics {
  public:
    EmptyScene() : Graphics("Studio 3D model viewer", 13, Black) {}
    Input& input(int, bool) override { return *this; }
};

int body() {
    try {
        // Destroyed on the way out of a failing loop too, so the window and context are always released.
        auto scene = std::make_unique<EmptyScene>();
        scene->run();
    } catch (std::runtime_error& error) {
        std::cerr << error.what() << std::endl;
    }
    return 0;
}

}  // namespace

int main() {
    return body();
}

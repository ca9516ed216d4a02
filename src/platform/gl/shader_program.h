#pragma once

#include <initializer_list>
#include <string_view>

namespace platform::gl {

// The lines a shader for this build's GL starts with: GLSL 3.30 core on the desktop, GLSL ES 3.00 with a
// default float precision (which ES fragment shaders lack) for WebGL 2 on the web.
extern const char* const ShaderVersion;

struct ShaderSources {
    // Put in front of both shaders: ShaderVersion, or the version line of another dialect.
    const char* preamble;
    const char* vertex;
    const char* fragment;
};

// A linked shader program in the context current when it was built, deleted with this object (in the
// context current then).
class ShaderProgram {
  public:
    ShaderProgram() = default;
    // Compiles both shaders, binds the attributes to locations 0, 1, ... in their order and links. On
    // failure the program is empty and the reason, with the info log, goes to the standard error stream
    // after "user: ".
    ShaderProgram(std::string_view user, const ShaderSources& sources,
                  std::initializer_list<const char*> attributes);
    ~ShaderProgram();
    ShaderProgram(ShaderProgram&& other) noexcept;
    ShaderProgram& operator=(ShaderProgram&& other) noexcept;

    // GL's name of the program; 0 when empty.
    unsigned int name() const { return name_; }

  private:
    unsigned int name_ = 0;
};

}  // namespace platform::gl

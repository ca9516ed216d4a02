#pragma once

#include <string>
#include <string_view>

namespace platform::web {

// A shader written for GL 3.3 core ("#version 330 core") in the GLSL ES 3.00 of WebGL 2: the version line
// names ES, floats get a default precision (ES fragment shaders have none), and uniforms lose their
// initial values (ES has no such initialisers: such a uniform starts at zero until it is set). A source
// without that version line is returned as it is.
std::string glslEs300(std::string_view desktopSource);

}  // namespace platform::web

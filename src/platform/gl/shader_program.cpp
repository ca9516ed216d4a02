#ifdef __EMSCRIPTEN__
#include <GLES3/gl3.h>
#else
#include <GL/glew.h>
#endif

#include "platform/gl/shader_program.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <utility>

namespace platform::gl {

#ifdef __EMSCRIPTEN__
const char* const ShaderVersion = "#version 300 es\nprecision highp float;\n";
#else
const char* const ShaderVersion = "#version 330 core\n";
#endif

namespace {

// The info log of a shader, or of a program when program is set, without its trailing line breaks.
std::string infoLog(GLuint name, bool program) {
    GLint length = 0;
    if (program) {
        glGetProgramiv(name, GL_INFO_LOG_LENGTH, &length);
    } else {
        glGetShaderiv(name, GL_INFO_LOG_LENGTH, &length);
    }
    std::string log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    if (program) {
        glGetProgramInfoLog(name, static_cast<GLsizei>(log.size()), nullptr, log.data());
    } else {
        glGetShaderInfoLog(name, static_cast<GLsizei>(log.size()), nullptr, log.data());
    }
    log.resize(log.find_last_not_of(std::string_view("\n\0", 2)) + 1);
    return log;
}

GLuint compile(std::string_view user, GLenum kind, const char* preamble, const char* body) {
    const GLuint shader = glCreateShader(kind);
    if (shader == 0) {
        return 0;
    }
    const char* sources[] = {preamble, body};
    glShaderSource(shader, 2, sources, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) {
        return shader;
    }
    std::cerr << user << ": the " << (kind == GL_VERTEX_SHADER ? "vertex" : "fragment")
              << " shader does not compile: " << infoLog(shader, false) << '\n';
    glDeleteShader(shader);
    return 0;
}

}  // namespace

ShaderProgram::ShaderProgram(std::string_view user, const ShaderSources& sources,
                             std::initializer_list<const char*> attributes) {
    const GLuint vertexShader = compile(user, GL_VERTEX_SHADER, sources.preamble, sources.vertex);
    const GLuint fragmentShader =
        vertexShader != 0 ? compile(user, GL_FRAGMENT_SHADER, sources.preamble, sources.fragment) : 0;
    const GLuint program = fragmentShader != 0 ? glCreateProgram() : 0;
    if (program != 0) {
        glAttachShader(program, vertexShader);
        glAttachShader(program, fragmentShader);
        GLuint location = 0;
        for (const char* attribute : attributes) {
            glBindAttribLocation(program, location++, attribute);
        }
        glLinkProgram(program);
        glDetachShader(program, vertexShader);
        glDetachShader(program, fragmentShader);
    }
    // Name 0 is silently ignored.
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    GLint linked = GL_FALSE;
    if (program != 0) {
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
    }
    if (linked == GL_TRUE) {
        name_ = program;
    } else if (program != 0) {
        std::cerr << user << ": the shader program does not link: " << infoLog(program, true) << '\n';
        glDeleteProgram(program);
    }
}

ShaderProgram::~ShaderProgram() {
    if (name_ != 0) {
        glDeleteProgram(name_);
    }
}

ShaderProgram::ShaderProgram(ShaderProgram&& other) noexcept : name_(std::exchange(other.name_, 0)) {}

ShaderProgram& ShaderProgram::operator=(ShaderProgram&& other) noexcept {
    if (this != &other) {
        if (name_ != 0) {
            glDeleteProgram(name_);
        }
        name_ = std::exchange(other.name_, 0);
    }
    return *this;
}

}  // namespace platform::gl

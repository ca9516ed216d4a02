#include <GL/glew.h>

#include "platform/gl/shader_program.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/gl_context.h"

namespace {

using platform::gl::ShaderProgram;
using platform::gl::ShaderVersion;

constexpr const char* Vertex =
    "in vec4 corner;\nin vec3 shade;\nout vec3 colour;\n"
    "void main() { gl_Position = corner; colour = shade; }\n";
constexpr const char* Fragment =
    "in vec3 colour;\nout vec4 pixel;\nvoid main() { pixel = vec4(colour, 1.0); }\n";

// A program that builds has its attributes where they were named; one that does not is empty, and says
// whose it was and why; the program moves with its name.
TEST(ShaderProgram, BuildsWithTheVersionLineBindsAttributesInOrderAndReportsWhatFails) {
    TestGlContext gl;
    ASSERT_EQ(glewInit(), GLEW_OK);
    ShaderProgram built("test", {ShaderVersion, Vertex, Fragment}, {"shade", "corner"});
    ASSERT_NE(built.name(), 0u);
    EXPECT_EQ(glGetAttribLocation(built.name(), "shade"), 0);
    EXPECT_EQ(glGetAttribLocation(built.name(), "corner"), 1);

    const struct {
        const char* vertex;
        const char* fragment;
        const char* reported;
    } failures[] = {
        {"void main() { gl_Position = missing; }\n", Fragment, "test: the vertex shader does not compile: "},
        {Vertex, "out vec4 pixel;\nvoid main() { pixel = missing; }\n",
         "test: the fragment shader does not compile: "},
        // Both compile, but the vertex shader has no main.
        {"void helper() {}\n", Fragment, "test: the shader program does not link: "},
    };
    for (const auto& failure : failures) {
        ::testing::internal::CaptureStderr();
        const ShaderProgram broken("test", {ShaderVersion, failure.vertex, failure.fragment}, {"corner"});
        const std::string reported = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(broken.name(), 0u) << failure.reported;
        EXPECT_EQ(reported.rfind(failure.reported, 0), 0u) << reported;
        EXPECT_GT(reported.size(), std::string(failure.reported).size() + 1) << "the log follows";
    }

    const unsigned int name = built.name();
    ShaderProgram moved(std::move(built));
    EXPECT_EQ(moved.name(), name);
    EXPECT_EQ(built.name(), 0u);  // NOLINT(bugprone-use-after-move): moved from, it is empty
    moved = ShaderProgram();
    EXPECT_EQ(glIsProgram(name), GL_FALSE) << "the program goes with the last object holding it";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace

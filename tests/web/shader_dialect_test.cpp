#include "platform/web/shader_dialect.h"

#include <gtest/gtest.h>

#include <string_view>

// A shader written for GL 3.3 core reaches WebGL 2 as GLSL ES 3.00, its statements otherwise untouched.
TEST(WebShaderDialect, DesktopShadersBecomeEsThreeHundredAndOthersStayAsTheyAre) {
    struct Case {
        std::string_view source;
        std::string_view translated;
    };
    const Case cases[] = {
        {"#version 330 core\n\nout vec4 fragColor;\nuniform vec4 color = vec4(1.0, 1.0, 1.0, 1.0);\n"
         "uniform sampler2D diffuse;\nvoid main()\n{\n\tfragColor = color;\n}\n",
         "#version 300 es\nprecision highp float;\n\nout vec4 fragColor;\nuniform vec4 color;\n"
         "uniform sampler2D diffuse;\nvoid main()\n{\n\tfragColor = color;\n}\n"},
        // The last line may lack its line break; a uniform's name may carry no blank before the '='.
        {"#version 330 core\nuniform float scale=2.0;",
         "#version 300 es\nprecision highp float;\nuniform float scale;"},
        {"#version 300 es\nuniform float scale = 2.0;\n", "#version 300 es\nuniform float scale = 2.0;\n"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::web::glslEs300(c.source), c.translated) << c.source;
    }
}

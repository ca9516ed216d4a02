#include "support/gl_context.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

TestGlContext::TestGlContext(int width, int height) : width_(width), height_(height) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw std::runtime_error(std::string("SDL video: ") + SDL_GetError());
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    window_ = SDL_CreateWindow("test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error(std::string("SDL window: ") + SDL_GetError());
    }
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr) {
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error(std::string("GL context: ") + SDL_GetError());
    }
    SDL_GL_MakeCurrent(window_, context_);
    glViewport(0, 0, width, height);
}

TestGlContext::~TestGlContext() {
    SDL_GL_MakeCurrent(window_, nullptr);
    SDL_GL_DeleteContext(context_);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::vector<FeedbackPrimitive> parseFeedback(const std::vector<GLfloat>& buffer, GLint used) {
    if (used < 0) {
        throw std::runtime_error("feedback buffer overflow");
    }
    std::vector<FeedbackPrimitive> primitives;
    GLint i = 0;
    auto vertex = [&] {
        FeedbackVertex v{buffer[i],     buffer[i + 1], buffer[i + 2], buffer[i + 3],
                         buffer[i + 4], buffer[i + 5], buffer[i + 6]};
        i += 7;
        return v;
    };
    while (i < used) {
        auto token = static_cast<GLenum>(buffer[i++]);
        FeedbackPrimitive primitive{token, {}};
        switch (token) {
            case GL_POINT_TOKEN:
            case GL_BITMAP_TOKEN:
            case GL_DRAW_PIXEL_TOKEN:
            case GL_COPY_PIXEL_TOKEN:
                primitive.vertices.push_back(vertex());
                break;
            case GL_LINE_TOKEN:
            case GL_LINE_RESET_TOKEN:
                primitive.vertices.push_back(vertex());
                primitive.vertices.push_back(vertex());
                break;
            case GL_POLYGON_TOKEN: {
                auto count = static_cast<int>(buffer[i++]);
                for (int k = 0; k < count; ++k) {
                    primitive.vertices.push_back(vertex());
                }
                break;
            }
            case GL_PASS_THROUGH_TOKEN:
                ++i;
                break;
            default:
                throw std::runtime_error("unknown feedback token " + std::to_string(token));
        }
        primitives.push_back(std::move(primitive));
    }
    return primitives;
}

#include <GL/glew.h>

#include "app/graphics.h"

#include "app/display_lists.h"
#include "app/message_loop.h"
#include "app/text_overlay.h"
#include "app/view_culling.h"
#include "app/window_placement.h"
#include "platform/cursor.h"
#include "platform/gl_context.h"
#include "platform/gl_generation.h"
#include "platform/message_queue.h"
#include "platform/window.h"

#include <GL/glu.h>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <stdexcept>

namespace {

constexpr const char* WebAddress = "studio3d.dev";
constexpr double FieldOfViewDegrees = 90;

// A landscape window sees FieldOfViewDegrees upward; an upright one sees as much across instead, so a model
// or an arena that fits across a landscape window fits across a phone held upright too.
double verticalFieldOfView(double aspect) {
    if (aspect >= 1) {
        return FieldOfViewDegrees;
    }
    constexpr double degrees = 180 / std::numbers::pi;
    return 2 * degrees * std::atan(std::tan(FieldOfViewDegrees / 2 / degrees) / aspect);
}

// The one live scene and what it holds of the window system.
Graphics* current = nullptr;
std::uint32_t width = 0;
std::uint32_t height = 0;
std::uint32_t halfWidth = 0;
std::uint32_t halfHeight = 0;
std::unique_ptr<platform::Window> window;
std::unique_ptr<platform::DeviceContext> deviceContext;
std::unique_ptr<platform::GlContext> glContext;
Graphics::PolygonMode currentPolygonMode = Graphics::PolygonMode::Filled;
// The status text drawn over every frame, and the cross at the centre of a view that aims.
std::unique_ptr<Text> overlayText;
std::unique_ptr<Text> crosshairText;
// The clear colour, and the context's generation its state was last set in.
std::array<GLfloat, 3> clearColour{};
unsigned glGeneration = 0;
// Keeps the scene's meshes in the context, for the frames it presents.
std::unique_ptr<MeshRecorder> meshRecorder;
// Leaves out of those frames the meshes that lie wholly out of view.
std::unique_ptr<MeshCuller> meshCuller;

void initGlew() {
    GLenum result = glewInit();
    // Debian's GLEW looks for a GLX display after loading the GL entry points; EGL-only video drivers have
    // none, yet every entry point is loaded.
    bool loadedWithoutGlx = result == GLEW_ERROR_NO_GLX_DISPLAY && !platform::glUsesGlx();
    if (result != GLEW_OK && !loadedWithoutGlx) {
        throw std::runtime_error("can't init GLEW");
    }
}

// The overlay's glyph quads are drawn filled whatever the scene's polygon mode: as lines they would show only
// their diagonals. The scene's mode is back in force afterwards.
class FilledOverlay {
  public:
    FilledOverlay() {
        glPushAttrib(GL_POLYGON_BIT);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    ~FilledOverlay() { glPopAttrib(); }
    FilledOverlay(const FilledOverlay&) = delete;
    FilledOverlay& operator=(const FilledOverlay&) = delete;
};

// Releases the overlay while its context is still current.
void releaseOverlay() {
    deleteText(std::move(crosshairText));
    deleteText(std::move(overlayText));
    textTerminate();
}

// Releases the window system's part in the reverse order of its making; the meshes' recordings go first,
// while their context is current.
void releaseWindow() {
    meshCuller.reset();
    meshRecorder.reset();
    platform::releasePointer();
    platform::GlContext::makeNoneCurrent();
    glContext.reset();
    deviceContext.reset();
    if (window) {
        window->minimise();
        window->destroy();
    }
    window.reset();
}

}  // namespace

Graphics& graphics() {
    if (current == nullptr) {
        throw std::runtime_error("wrong time");
    }
    return *current;
}

Graphics::Graphics(std::string_view title, double size, const Color& background)
    : nearPlane(NearPlane),
      size(size),
      textColor(1, 1, 1),
      frames(0),
      caption(std::string(title) + " | " + WebAddress) {
    if (current != nullptr) {
        throw std::runtime_error("there can be only one");
    }
    // The window procedure reaches the scene through current while the window is being made.
    current = this;
    width = height = halfWidth = halfHeight = 0;
    try {
        std::string className(title);
        if (!platform::registerClass(className, windowProcedure)) {
            throw std::runtime_error("can't create window");
        }
        window = platform::Window::create(className, caption);
        if (!window) {
            throw std::runtime_error("can't create window");
        }
        deviceContext = platform::DeviceContext::get(*window);
        if (!deviceContext) {
            throw std::runtime_error("can't get HDC");
        }
        deviceContext->setPixelFormat(
            platform::PixelFormat{.colorBits = 24, .depthBits = 16, .doubleBuffer = true});
        glContext = platform::GlContext::create(*deviceContext);
        if (!glContext) {
            throw std::runtime_error("can't create GL context");
        }
        glContext->makeCurrent(*deviceContext);
        initGlew();
        meshRecorder = makeDisplayLists();
        meshCuller = makeViewCulling();
        // The restored size and place; run() shows the window maximised.
        window->move(restoredPlacement(platform::desktopRect()));
        glEnable(GL_DEPTH_TEST);
        clearColour = {static_cast<GLfloat>(background.r), static_cast<GLfloat>(background.g),
                       static_cast<GLfloat>(background.b)};
        glClearColor(clearColour[0], clearColour[1], clearColour[2], 0);
        glGeneration = platform::glContextGeneration();
        setPolygonMode(PolygonMode::Filled);
        // Without its shaders the overlay shows no status text; the scene goes on.
        textInit();
        overlayText = createText();
        crosshairText = createText();
        setText(crosshairText.get(), "+");
    } catch (...) {
        releaseOverlay();
        releaseWindow();
        current = nullptr;
        throw;
    }
}

Graphics::~Graphics() {
    releaseOverlay();
    releaseWindow();
    current = nullptr;
}

void Graphics::draw() {
    ++frames;
}

void Graphics::frame() {
    present();
}

void Graphics::run() {
    window->showMaximised();
    window->update();
    if (settings.fullScreen) {
        toggleFullScreen();
    }
    struct Loop {
        Graphics& scene;
        bool peekMessage(platform::Message& message) { return platform::peekMessage(message); }
        void dispatchMessage(const platform::Message& message) { platform::dispatchMessage(message); }
        void frame() { scene.frame(); }
    } loop{*this};
    runMessageLoop(loop);
}

void Graphics::present() {
    // A minimised window shows nothing: drawing and swapping it would only burn the processor.
    if (width == 0 || height == 0) {
        return;
    }
    // A context that lost its objects comes back with GL's defaults: the scene's state is set again.
    if (glGeneration != platform::glContextGeneration()) {
        glGeneration = platform::glContextGeneration();
        glEnable(GL_DEPTH_TEST);
        glClearColor(clearColour[0], clearColour[1], clearColour[2], 0);
        setPolygonMode(currentPolygonMode);
        resize(width, height);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    {
        // Recordings serve the scene's own frames; a draw() from elsewhere may reach another GL.
        MeshRecorder::Binding recorded(meshRecorder.get());
        MeshCuller::Binding culled(meshCuller.get());
        current->draw();
    }
    {
        FilledOverlay filled;
        beginText();
        setTextColor(static_cast<float>(textColor.r), static_cast<float>(textColor.g),
                     static_cast<float>(textColor.b), 1.0f);
        // Centred near the bottom; one line is 17 / 175 of the window's height.
        drawTextAligned(overlayText.get(), static_cast<float>(halfWidth), static_cast<float>(0.925 * height),
                        static_cast<float>(height) / 175.0f, AlignCentre, AlignCentre);
        if (current->showsCrosshair()) {
            // Half the status text's size: a mark to aim with, not a sight that hides the target.
            drawTextAligned(crosshairText.get(), static_cast<float>(halfWidth),
                            static_cast<float>(halfHeight), static_cast<float>(height) / 350.0f, AlignCentre,
                            AlignCentre);
        }
        current->drawOverlay(width, height);
        endText();
    }
    glFlush();
    deviceContext->swapBuffers();
}

void Graphics::resize(std::uint32_t newWidth, std::uint32_t newHeight) {
    width = newWidth;
    height = newHeight;
    halfWidth = width / 2;
    halfHeight = height / 2;
    centreCursor();
    glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
    // A minimised window has no area and no aspect: the last projection stays until it has one again.
    if (width != 0 && height != 0) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        const double aspect = static_cast<double>(width) / static_cast<double>(height);
        gluPerspective(verticalFieldOfView(aspect), aspect, graphics().nearPlane, 3 * graphics().size);
        glMatrixMode(GL_MODELVIEW);
    }
    textViewport(width, height);
}

void Graphics::lookAt(const Vector& eye, const Vector& target, const Vector& up) {
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
}

Graphics& Graphics::pushMatrix() {
    glPushMatrix();
    return *this;
}

Graphics& Graphics::multMatrix(const Matrix& matrix) {
    glMultMatrixd(matrix.m);
    return *this;
}

Graphics& Graphics::popMatrix() {
    glPopMatrix();
    return *this;
}

void Graphics::setStatus(std::optional<std::string_view> text) {
    std::string shown = caption;
    if (text) {
        shown.append(" ").append(*text);
    }
    window->setCaption(shown);
    setText(overlayText.get(), text ? std::string(*text).c_str() : nullptr);
    centreCursor();
}

void Graphics::showHint(std::string_view text) {
    setText(overlayText.get(), std::string(text).c_str());
}

std::string_view Graphics::shownText() const {
    return overlayText ? std::string_view(overlayText->chars) : std::string_view();
}

void Graphics::centreCursor() {
    // A held button is a move or resize of the window in progress: the cursor belongs to the user then.
    // A captured pointer is held by the system already.
    if (platform::mouseButtonHeld() || platform::pointerCaptured()) {
        return;
    }
    if (!window ||
        !platform::warpCursor(*window, static_cast<int>(halfWidth), static_cast<int>(halfHeight))) {
        platform::hideCursor();
    }
}

Graphics::PolygonMode Graphics::polygonMode() const {
    return currentPolygonMode;
}

void Graphics::setPolygonMode(PolygonMode mode) {
    currentPolygonMode = mode;
    glPolygonMode(GL_FRONT, mode == PolygonMode::AllLines ? GL_LINE : GL_FILL);
    glPolygonMode(GL_BACK, mode == PolygonMode::Filled ? GL_FILL : GL_LINE);
    // Filled, the back faces of a closed solid are hidden behind its front faces, and filling them is most
    // of a frame's cost on a software renderer; as lines they show.
    if (mode == PolygonMode::Filled) {
        glEnable(GL_CULL_FACE);
    } else {
        glDisable(GL_CULL_FACE);
    }
}

void Graphics::cyclePolygonMode() {
    switch (currentPolygonMode) {
        case PolygonMode::Filled:
            return setPolygonMode(PolygonMode::BackFacesAsLines);
        case PolygonMode::BackFacesAsLines:
            return setPolygonMode(PolygonMode::AllLines);
        case PolygonMode::AllLines:
            return setPolygonMode(PolygonMode::Filled);
    }
}

void Graphics::close() {
    platform::sendMessage(*window, {.kind = platform::MessageKind::Close});
}

void Graphics::toggleFullScreen() {
    window->setFullScreen(!window->fullScreen());
}

bool Graphics::capturePointer() {
    return platform::pointerCaptured() || platform::capturePointer(*window);
}

void Graphics::releasePointer() {
    platform::releasePointer();
}

void Graphics::look(double, double) {}

void Graphics::wheel(int) {}

void Graphics::resetView() {}

bool Graphics::aimsWithPointer() const {
    return false;
}

void Graphics::togglePause() {}

void Graphics::focusLost() {}

bool Graphics::showsCrosshair() const {
    return false;
}

bool Graphics::takesPointerOnClick() {
    return true;
}

bool Graphics::takesKey(std::uint32_t /*key*/) {
    return false;
}

void Graphics::drawOverlay(std::uint32_t /*windowWidth*/, std::uint32_t /*windowHeight*/) {}

# The web build (emcmake cmake): Emscripten's own WebGL and html5.h, no SDL. GLEW is the web backend's
# stand-in (src/platform/web/include); GL 1.1 and GLU are the batched layer's (src/platform/batched_gl).
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

add_library(OpenGL::GL INTERFACE IMPORTED)
add_library(OpenGL::GLU INTERFACE IMPORTED)
add_library(GLEW::GLEW INTERFACE IMPORTED)
target_include_directories(GLEW::GLEW INTERFACE ${PROJECT_SOURCE_DIR}/src/platform/web/include)

# Where the pages are served from: the landing page, one page per program, their start screen's script and
# the touch screen's controls.
set(STUDIO_SITE_DIR ${PROJECT_BINARY_DIR}/site)
configure_file(${PROJECT_SOURCE_DIR}/resources/web/index.html ${STUDIO_SITE_DIR}/index.html COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/web/start.js ${STUDIO_SITE_DIR}/start.js COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/web/touch.js ${STUDIO_SITE_DIR}/touch.js COPYONLY)

# Makes a program a page of the site: program.html is its page, its loop runs under Asyncify so that it
# can block as on the desktop, and main's return ends the page's program (Escape, a failed start).
# Pointer lock and full screen are asked for from the frame that handles the click or key press, which
# browsers allow for a while after it: html5.h must not hold those requests back for the next event.
# The page runs main itself (callMain) at the click or tap on its start screen.
# Each page links its own web app manifest, by which a browser installs it as an app of its own.
set(STUDIO_WEB_NAME_studio "Studio 3D model viewer")
set(STUDIO_WEB_NAME_firstperson "Studio 3D first-person combat")

# The site's finishing step (web_site): the icons, the service worker stamped with the build, and a .gz and
# a .br copy of every page, script and WebAssembly file for the servers that send them as they are.
add_custom_target(web_site
  COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/finish_site.py ${STUDIO_SITE_DIR}
          ${PROJECT_SOURCE_DIR}/resources/windows/studio.ico ${PROJECT_SOURCE_DIR}/resources/web/service-worker.js
  COMMENT "Compressing the site and stamping its service worker")

function(studio_web_program target)
  set(STUDIO_WEB_PROGRAM ${target})
  set(STUDIO_WEB_NAME ${STUDIO_WEB_NAME_${target}})
  set(shell ${PROJECT_BINARY_DIR}/web/${target}.html)
  configure_file(${PROJECT_SOURCE_DIR}/resources/web/program.html ${shell} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/resources/web/program.webmanifest ${STUDIO_SITE_DIR}/${target}.webmanifest
                 @ONLY)
  add_dependencies(web_site ${target})
  set_target_properties(${target} PROPERTIES
    SUFFIX .html
    RUNTIME_OUTPUT_DIRECTORY ${STUDIO_SITE_DIR}
    LINK_DEPENDS ${shell})
  target_link_options(${target} PRIVATE
    --shell-file ${shell}
    -sASYNCIFY -sMAX_WEBGL_VERSION=2 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_RUNTIME_METHODS=callMain
    -sENVIRONMENT=web -sMINIFY_HTML=0 -sHTML5_SUPPORT_DEFERRING_USER_SENSITIVE_REQUESTS=0)
endfunction()

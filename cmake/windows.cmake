# Windows (mingw-w64) dependencies: the system's OpenGL, GLU, multimedia and GDI libraries, and GLEW built
# statically from its own source, whose folder scripts/build-windows.sh fetches and passes in.
set(STUDIO_GLEW_SOURCE_DIR "" CACHE PATH "GLEW source tree (holding src/glew.c and include/GL/glew.h)")

enable_language(RC)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)

if(STUDIO_GLEW_SOURCE_DIR)
  if(NOT EXISTS "${STUDIO_GLEW_SOURCE_DIR}/src/glew.c")
    message(FATAL_ERROR "STUDIO_GLEW_SOURCE_DIR must name a GLEW source tree; scripts/build-windows.sh fetches one")
  endif()
  add_library(glew_static STATIC ${STUDIO_GLEW_SOURCE_DIR}/src/glew.c)
  target_compile_definitions(glew_static PUBLIC GLEW_STATIC)
  target_include_directories(glew_static SYSTEM PUBLIC ${STUDIO_GLEW_SOURCE_DIR}/include)
  # Generated third-party code: its warnings are not ours to fix.
  target_compile_options(glew_static PRIVATE -w)
  target_link_libraries(glew_static PUBLIC OpenGL::GL)
  add_library(GLEW::GLEW ALIAS glew_static)
else()
  # A toolchain that brings its own GLEW, such as MSYS2's mingw-w64-x86_64-glew on Windows itself.
  find_package(GLEW REQUIRED)
endif()

# Compiles the icon, the manifest and the four sound cues into a target (resources/windows/studio.rc).
function(studio_windows_resources target)
  set(script ${PROJECT_SOURCE_DIR}/resources/windows/studio.rc)
  target_sources(${target} PRIVATE ${script})
  # The script names its files relative to resources/.
  file(GLOB cues ${PROJECT_SOURCE_DIR}/resources/*.wav)
  set_source_files_properties(${script} TARGET_DIRECTORY ${target} PROPERTIES
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/resources
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/windows/studio.ico;${PROJECT_SOURCE_DIR}/resources/windows/studio.manifest;${cues}")
endfunction()

# Makes a target a GUI program (no console) carrying the program's resources.
function(studio_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  studio_windows_resources(${target})
endfunction()

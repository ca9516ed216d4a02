#include "platform/web/shader_dialect.h"

namespace platform::web {

namespace {

constexpr std::string_view DesktopVersion = "#version 330 core\n";
constexpr std::string_view EsPreamble = "#version 300 es\nprecision highp float;\n";

// "uniform vec4 color = vec4(1.0);" without its " = vec4(1.0)".
std::string withoutInitialiser(std::string_view line) {
    const std::size_t equals = line.find('=');
    const std::size_t end = line.rfind(';');
    if (!line.starts_with("uniform ") || equals == std::string_view::npos || end == std::string_view::npos ||
        end < equals) {
        return std::string(line);
    }
    std::string_view declaration = line.substr(0, equals);
    declaration.remove_suffix(declaration.size() - declaration.find_last_not_of(' ') - 1);
    return std::string(declaration).append(line.substr(end));
}

}  // namespace

std::string glslEs300(std::string_view desktopSource) {
    if (!desktopSource.starts_with(DesktopVersion)) {
        return std::string(desktopSource);
    }
    std::string translated(EsPreamble);
    std::string_view rest = desktopSource.substr(DesktopVersion.size());
    while (!rest.empty()) {
        const std::size_t lineEnd = rest.find('\n');
        const std::size_t length = lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1;
        translated += withoutInitialiser(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    return translated;
}

}  // namespace platform::web

// Writes the PNG images of a Windows icon file into a freedesktop icon theme's folders, as
// FOLDER/<size>x<size>/apps/NAME.png: the Linux install takes its icons from the one the Windows build
// carries (drawn by tools/make_icon.py), so that no second copy of it is kept.
// Usage: icon_pngs ICON.ico FOLDER NAME
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view PngSignature = "\x89PNG\r\n\x1a\n";

// The icon's header and directory hold little-endian fields.
std::uint32_t littleEndian(const std::vector<char>& bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes.at(offset + i));
    }
    return value;
}

void writePngs(const std::vector<char>& icon, const std::filesystem::path& folder, const std::string& name) {
    if (littleEndian(icon, 2, 2) != 1) {
        throw std::runtime_error("not an icon file");
    }
    const std::uint32_t count = littleEndian(icon, 4, 2);
    for (std::uint32_t index = 0; index < count; ++index) {
        const std::size_t entry = 6 + 16 * std::size_t{index};
        // A width of 0 stands for 256.
        const std::uint32_t width = littleEndian(icon, entry, 1);
        const std::string size = std::to_string(width == 0 ? 256 : width);
        const std::size_t length = littleEndian(icon, entry + 8, 4);
        const std::size_t offset = littleEndian(icon, entry + 12, 4);
        if (offset > icon.size() || length > icon.size() - offset) {
            throw std::runtime_error("the " + size + " pixel image lies outside the file");
        }
        const std::string_view image(icon.data() + offset, length);
        if (!image.starts_with(PngSignature)) {
            throw std::runtime_error("the " + size + " pixel image is not a PNG");
        }
        const std::filesystem::path apps = folder / (size + "x" + size) / "apps";
        std::filesystem::create_directories(apps);
        std::ofstream out(apps / (name + ".png"), std::ios::binary);
        out.write(image.data(), static_cast<std::streamsize>(image.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + (apps / (name + ".png")).string());
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: icon_pngs ICON.ico FOLDER NAME" << std::endl;
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<char> icon{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
        writePngs(icon, argv[2], argv[3]);
    } catch (const std::exception& error) {
        std::cerr << "icon_pngs: " << argv[1] << ": " << error.what() << std::endl;
        return 1;
    }
    return 0;
}

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/resources.h"

namespace {

std::vector<std::byte> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> chars{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::byte> bytes(chars.size());
    std::transform(chars.begin(), chars.end(), bytes.begin(),
                   [](char c) { return static_cast<std::byte>(c); });
    return bytes;
}

const std::filesystem::path resourceDir = std::filesystem::path(__FILE__).parent_path() / "../../resources";

}  // namespace

TEST(SoundResources, EmbedsEveryCueFileAsItIs) {
    for (const char* name : {"alarm", "bang", "fire", "life"}) {
        std::span<const std::byte> embedded = platform::findResource(name);
        std::vector<std::byte> file = readFile(resourceDir / (std::string(name) + ".wav"));
        ASSERT_FALSE(file.empty()) << name;
        EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), file.begin(), file.end())) << name;
    }
}

TEST(SoundResources, NamesMatchWithoutRegardToCase) {
    std::span<const std::byte> fire = platform::findResource("fire");
    ASSERT_FALSE(fire.empty());
    for (const char* name : {"FIRE", "Fire", "fIrE"}) {
        std::span<const std::byte> found = platform::findResource(name);
        EXPECT_EQ(found.data(), fire.data()) << name;
        EXPECT_EQ(found.size(), fire.size()) << name;
    }
    EXPECT_NE(platform::findResource("BANG").data(), fire.data());
}

TEST(SoundResources, UnknownNamesFindNothing) {
    for (const char* name : {"", "fir", "fires", "fire.wav", "thunder", "FIRE "}) {
        EXPECT_TRUE(platform::findResource(name).empty()) << '"' << name << '"';
    }
}

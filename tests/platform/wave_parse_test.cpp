#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/shared/wave.h"

namespace {

using Bytes = std::vector<std::byte>;

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::byte>(value & 0xff));
    out.push_back(static_cast<std::byte>((value >> 8) & 0xff));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

void putId(Bytes& out, const std::string& id) {
    for (char c : id) {
        out.push_back(static_cast<std::byte>(c));
    }
}

Bytes chunk(const std::string& id, const Bytes& body, bool pad = true) {
    Bytes out;
    putId(out, id);
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2 == 1) {
        out.push_back(std::byte{0});
    }
    return out;
}

Bytes formatBody(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits) {
    Bytes out;
    const unsigned align = channels * bits / 8;
    put16(out, tag);
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * align);
    put16(out, align);
    put16(out, bits);
    return out;
}

Bytes samples16(const std::vector<std::int16_t>& values) {
    Bytes out;
    for (std::int16_t v : values) {
        put16(out, static_cast<std::uint16_t>(v));
    }
    return out;
}

Bytes riff(const std::vector<Bytes>& chunks) {
    Bytes body;
    putId(body, "WAVE");
    for (const Bytes& c : chunks) {
        body.insert(body.end(), c.begin(), c.end());
    }
    Bytes out;
    putId(out, "RIFF");
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes pcmWave(const std::vector<std::int16_t>& values, unsigned channels = 1) {
    return riff({chunk("fmt ", formatBody(1, channels, 22050, 16)), chunk("data", samples16(values))});
}

void set32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    Bytes encoded;
    put32(encoded, value);
    std::copy(encoded.begin(), encoded.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

TEST(WaveParse, ReadsFormatAndData) {
    Bytes file = pcmWave({1, -2, 3}, 1);
    auto wave = platform::parseWave(file);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.formatTag, platform::wavePcm);
    EXPECT_EQ(wave->format.channels, 1);
    EXPECT_EQ(wave->format.sampleRate, 22050u);
    EXPECT_EQ(wave->format.averageBytesPerSecond, 44100u);
    EXPECT_EQ(wave->format.blockAlign, 2);
    EXPECT_EQ(wave->format.bitsPerSample, 16);
    ASSERT_EQ(wave->data.size(), 6u);
    EXPECT_EQ(wave->data.data(), file.data() + 44);
}

TEST(WaveParse, SkipsOtherChunksInAnyOrderWithPadding) {
    Bytes list = chunk("LIST", Bytes(5, std::byte{'x'}));  // odd size, padded
    Bytes file = riff({list, chunk("data", samples16({7, 8})), chunk("fmt ", formatBody(1, 2, 8000, 16))});
    auto wave = platform::parseWave(file);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.channels, 2);
    EXPECT_EQ(wave->data.size(), 4u);
}

TEST(WaveParse, ToleratesAMissingPadByteAfterTheLastChunk) {
    Bytes file =
        riff({chunk("fmt ", formatBody(1, 1, 8000, 8)), chunk("data", Bytes(3, std::byte{128}), false)});
    auto wave = platform::parseWave(file);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->data.size(), 3u);
}

TEST(WaveParse, IgnoresBytesAfterTheRiffChunk) {
    Bytes file = pcmWave({1, 2});
    file.insert(file.end(), {std::byte{'j'}, std::byte{'u'}, std::byte{'n'}, std::byte{'k'}, std::byte{0}});
    auto wave = platform::parseWave(file);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->data.size(), 4u);
}

TEST(WaveParse, RejectsMalformedFiles) {
    const Bytes good = pcmWave({1, 2, 3, 4});
    ASSERT_TRUE(platform::parseWave(good));
    struct Case {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"header only", Bytes(good.begin(), good.begin() + 11)});
    Bytes riffx = good;
    riffx[3] = std::byte{'X'};
    cases.push_back({"not RIFF", riffx});
    Bytes notWave = good;
    notWave[8] = std::byte{'A'};
    cases.push_back({"not WAVE", notWave});
    cases.push_back({"truncated file", Bytes(good.begin(), good.end() - 1)});
    Bytes riffTooSmall = good;
    set32(riffTooSmall, 4, 3);
    cases.push_back({"RIFF size below WAVE", riffTooSmall});
    Bytes riffHuge = good;
    set32(riffHuge, 4, 0xffffffffu);
    cases.push_back({"RIFF size past the end", riffHuge});
    Bytes dataHuge = good;
    set32(dataHuge, 40, 0xfffffff0u);
    cases.push_back({"data size past the end", dataHuge});
    Bytes fmtHuge = good;
    set32(fmtHuge, 16, 0x7fffffffu);
    cases.push_back({"format size past the end", fmtHuge});
    Bytes partialHeader = riff({chunk("fmt ", formatBody(1, 1, 8000, 16)), chunk("data", samples16({1}))});
    partialHeader.insert(partialHeader.end(), {std::byte{'L'}, std::byte{'I'}, std::byte{'S'}});
    set32(partialHeader, 4, static_cast<std::uint32_t>(partialHeader.size() - 8));
    cases.push_back({"truncated chunk header", partialHeader});
    Bytes shortFormat = formatBody(1, 1, 8000, 16);
    shortFormat.resize(14);
    cases.push_back(
        {"short format chunk", riff({chunk("fmt ", shortFormat), chunk("data", samples16({1}))})});
    cases.push_back({"no format chunk", riff({chunk("data", samples16({1}))})});
    cases.push_back({"no data chunk", riff({chunk("fmt ", formatBody(1, 1, 8000, 16))})});
    cases.push_back(
        {"zero channels", riff({chunk("fmt ", formatBody(1, 0, 8000, 16)), chunk("data", samples16({1}))})});
    cases.push_back(
        {"zero rate", riff({chunk("fmt ", formatBody(1, 1, 0, 16)), chunk("data", samples16({1}))})});
    cases.push_back({"zero block align",
                     riff({chunk("fmt ", formatBody(1, 1, 8000, 0)), chunk("data", samples16({1}))})});
    for (const Case& c : cases) {
        EXPECT_FALSE(platform::parseWave(c.bytes)) << c.what;
        EXPECT_FALSE(platform::decodeWave(c.bytes)) << c.what;
    }
}

TEST(WaveDecode, Pcm16KeepsTheSamples) {
    auto sound = platform::decodeWave(pcmWave({100, -200, 32767, -32768}, 2));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->samples, (std::vector<std::int16_t>{100, -200, 32767, -32768}));
}

TEST(WaveDecode, Pcm8IsCentredOn128) {
    Bytes data{std::byte{0}, std::byte{128}, std::byte{255}};
    auto sound = platform::decodeWave(riff({chunk("fmt ", formatBody(1, 1, 8000, 8)), chunk("data", data)}));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples, (std::vector<std::int16_t>{-32768, 0, 32512}));
}

TEST(WaveDecode, DropsAnIncompleteLastFrame) {
    Bytes data = samples16({1, 2, 3});
    data.pop_back();
    auto sound = platform::decodeWave(riff({chunk("fmt ", formatBody(1, 2, 8000, 16)), chunk("data", data)}));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples, (std::vector<std::int16_t>{1, 2}));
}

TEST(WaveDecode, RefusesWhatItCannotPlay) {
    const Bytes one = samples16({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(platform::decodeWave(riff({chunk("fmt ", formatBody(1, 1, 8000, 24)), chunk("data", one)})));
    EXPECT_FALSE(platform::decodeWave(riff({chunk("fmt ", formatBody(1, 3, 8000, 16)), chunk("data", one)})));
    EXPECT_FALSE(platform::decodeWave(riff({chunk("fmt ", formatBody(3, 1, 8000, 32)), chunk("data", one)})));
    EXPECT_FALSE(platform::decodeWave(riff({chunk("fmt ", formatBody(1, 1, 8000, 16)), chunk("data", {})})));
    Bytes badAlign = formatBody(1, 1, 8000, 16);
    badAlign[12] = std::byte{4};
    EXPECT_FALSE(platform::decodeWave(riff({chunk("fmt ", badAlign), chunk("data", one)})));
    // MPEG data that holds no frame at all.
    EXPECT_FALSE(platform::decodeWave(riff(
        {chunk("fmt ", formatBody(platform::waveMpegLayer3, 1, 48000, 16)), chunk("data", Bytes(400))})));
}

struct Cue {
    const char* name;
    std::uint32_t rate;
};

class SoundCueResource : public ::testing::TestWithParam<Cue> {};

TEST_P(SoundCueResource, IsMonoMpegLayer3ThatDecodes) {
    const Cue cue = GetParam();
    std::span<const std::byte> bytes = platform::findResource(cue.name);
    ASSERT_FALSE(bytes.empty());
    EXPECT_LT(bytes.size(), 8000u);
    auto wave = platform::parseWave(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.formatTag, platform::waveMpegLayer3);
    EXPECT_EQ(wave->format.channels, 1);
    EXPECT_EQ(wave->format.sampleRate, cue.rate);
    EXPECT_GT(wave->format.averageBytesPerSecond, 0u);

    auto sound = platform::decodeWave(bytes);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, static_cast<int>(cue.rate));
    // Short cues: between a fifth of a second and a second and a half, whole frames included.
    EXPECT_GT(sound->samples.size(), cue.rate / 5);
    EXPECT_LT(sound->samples.size(), cue.rate * 3 / 2);
    auto loudest = std::max_element(sound->samples.begin(), sound->samples.end(),
                                    [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); });
    EXPECT_GT(std::abs(*loudest), 8000);
}

INSTANTIATE_TEST_SUITE_P(AllCues, SoundCueResource,
                         ::testing::Values(Cue{"alarm", 16000}, Cue{"bang", 48000}, Cue{"fire", 48000},
                                           Cue{"life", 16000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WaveDecode, TruncatedMpegDataPlaysWhatIsThere) {
    std::span<const std::byte> fire = platform::findResource("fire");
    ASSERT_FALSE(fire.empty());
    auto whole = platform::decodeWave(fire);
    ASSERT_TRUE(whole);
    Bytes cut(fire.begin(), fire.begin() + static_cast<std::ptrdiff_t>(fire.size() / 2));
    auto wave = platform::parseWave(fire);
    ASSERT_TRUE(wave);
    const auto dataAt = static_cast<std::size_t>(wave->data.data() - fire.data());
    set32(cut, 4, static_cast<std::uint32_t>(cut.size() - 8));
    set32(cut, dataAt - 4, static_cast<std::uint32_t>(cut.size() - dataAt));
    auto half = platform::decodeWave(cut);
    ASSERT_TRUE(half);
    EXPECT_LT(half->samples.size(), whole->samples.size());
}

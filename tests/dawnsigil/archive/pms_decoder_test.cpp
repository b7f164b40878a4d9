#include <gtest/gtest.h>

#include "dawnsigil/archive/pms_decoder.h"
#include "fixtures/planes.h"
#include "fixtures/pms_encoder.h"

namespace {

using namespace dawnsigil::archive;
using namespace dawnsigil_fixtures;
using Codes = std::vector<uint8_t>;

std::vector<uint8_t> decode8(const Codes& codes, int w, int h, bool* ok = nullptr) {
    GuardedPlane plane(w, h, 1);
    const bool decoded = decode_pms8(codes, plane.plane8());
    if (ok) *ok = decoded;
    EXPECT_TRUE(plane.guards_intact());
    std::vector<uint8_t> out;
    if (decoded)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) out.push_back(*plane.pixel(x, y));
    return out;
}

// Each pixel as its 5-6-5 value, read back from the 32-bit plane (the expansion is one-to-one).
std::vector<uint16_t> decode16(const Codes& codes, int w, int h) {
    GuardedPlane plane(w, h, 4);
    std::vector<uint16_t> out;
    if (!decode_pms16(codes, plane.plane32())) return out;
    EXPECT_TRUE(plane.guards_intact());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = plane.pixel(x, y);
            EXPECT_EQ(p[3], 255);
            out.push_back(static_cast<uint16_t>((p[2] >> 3) << 11 | (p[1] >> 2) << 5 | p[0] >> 3));
        }
    return out;
}

TEST(Pms8, LiteralsRoundTripIncludingEscapedBytes) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 7 * 5; ++i) bytes.push_back(static_cast<uint8_t>(i * 53 + 200));  // many >= 0xF8
    EXPECT_EQ(decode8(pms8_literals(bytes), 7, 5), bytes);
}

TEST(Pms8, EachRunCode) {
    struct Case {
        const char* name;
        int w, h;
        Codes codes;
        std::vector<uint8_t> expected;
    };
    const Case cases[] = {
        {"0xF9 to 0xFB write nothing", 3, 1, {0xF9, 1, 0xFA, 2, 0xFB, 3}, {1, 2, 3}},
        {"0xF8 escapes a byte", 2, 1, {0xF8, 0xFF, 0xF8, 0xF8}, {0xFF, 0xF8}},
        {"0xFC repeats a pair n + 3 times", 6, 1, {0xFC, 0, 0x11, 0x22}, {0x11, 0x22, 0x11, 0x22, 0x11, 0x22}},
        {"0xFD repeats a byte n + 4 times", 5, 1, {0xFD, 1, 0x33}, {0x33, 0x33, 0x33, 0x33, 0x33}},
        {"0xFF copies n + 3 bytes from the row above", 3, 2, {1, 2, 3, 0xFF, 0}, {1, 2, 3, 1, 2, 3}},
        {"0xFE copies n + 3 bytes from two rows up", 3, 3, {1, 2, 3, 4, 5, 6, 0xFE, 0}, {1, 2, 3, 4, 5, 6, 1, 2, 3}},
        // Six bytes fill row 0 and spill two into row 1, which then starts over from its start.
        {"a run spills past the row end and is overwritten", 4, 2, {0xFD, 2, 0x77, 1, 2, 3, 4},
         {0x77, 0x77, 0x77, 0x77, 1, 2, 3, 4}},
        {"bytes after the last row are ignored", 2, 1, {7, 8, 9, 0xFF}, {7, 8}},
    };
    for (const Case& c : cases) EXPECT_EQ(decode8(c.codes, c.w, c.h), c.expected) << c.name;
}

TEST(Pms8, FailsOnStreamsThatLeaveThePicture) {
    struct Case {
        const char* name;
        int w, h;
        Codes codes;
    };
    const Case cases[] = {
        {"empty stream", 2, 2, {}},
        {"stream ends inside the last row", 2, 2, {1, 2, 3}},
        {"0xF8 without its byte", 1, 1, {0xF8}},
        {"0xFC without its bytes", 6, 1, {0xFC, 0, 1}},
        {"0xFD without its byte", 4, 1, {0xFD, 0}},
        {"0xFF without its count", 3, 2, {1, 2, 3, 0xFF}},
        {"run past the last row", 3, 1, {0xFD, 0, 9}},
        {"pair run past the last row", 5, 1, {0xFC, 0, 1, 2}},
        {"copy from above the first row", 3, 2, {0xFF, 0, 1, 2, 3}},
        {"copy from two rows up on the second row", 3, 2, {1, 2, 3, 0xFE, 0}},
    };
    for (const Case& c : cases) {
        bool ok = true;
        decode8(c.codes, c.w, c.h, &ok);
        EXPECT_FALSE(ok) << c.name;
    }
}

TEST(Pms16, ConvertsFiveSixFiveToEightBits) {
    struct Case {
        uint16_t v;
        uint8_t b, g, r;
    };
    for (const Case& c : {Case{0xFFFF, 255, 255, 255}, Case{0x0000, 0, 0, 0}, Case{0x8410, 132, 130, 132},
                          Case{0xF800, 0, 0, 255}, Case{0x07E0, 0, 255, 0}, Case{0x001F, 255, 0, 0}}) {
        uint8_t bgr[3];
        pms16_to_bgr(c.v, bgr);
        EXPECT_EQ(bgr[0], c.b) << std::hex << c.v;
        EXPECT_EQ(bgr[1], c.g) << std::hex << c.v;
        EXPECT_EQ(bgr[2], c.r) << std::hex << c.v;
    }
}

TEST(Pms16, LiteralsRoundTrip) {
    std::vector<uint16_t> values;
    for (int i = 0; i < 6 * 4; ++i) values.push_back(static_cast<uint16_t>(i * 7919 + 0xF8));  // low bytes >= 0xF8 too
    EXPECT_EQ(decode16(pms16_literals(values), 6, 4), values);
}

uint16_t rgb565(unsigned r, unsigned g, unsigned b) { return static_cast<uint16_t>(r << 11 | g << 5 | b); }

TEST(Pms16, EachRunCode) {
    const uint16_t A = 0x1234, B = 0xABCD, C = 0x0F0F, D = 0x8001;
    const Codes a = pms16_literals({A}), b = pms16_literals({B}), c = pms16_literals({C}), d = pms16_literals({D});
    auto cat = [](std::initializer_list<Codes> parts) {
        Codes out;
        for (const Codes& p : parts) out.insert(out.end(), p.begin(), p.end());
        return out;
    };
    struct Case {
        const char* name;
        int w, h;
        Codes codes;
        std::vector<uint16_t> expected;
    };
    const Case cases[] = {
        {"below 0xF8: the code is the low byte", 1, 1, {0x34, 0x12}, {0x1234}},
        {"0xF8 carries both bytes", 1, 1, {0xF8, 0xFA, 0x12}, {0x12FA}},
        // base 101 10 011 with b 11 0101 10: red 101|11, green 10|0101, blue 011|10.
        {"0xF9 shares the upper bits of n + 1 pixels", 2, 1, {0xF9, 1, 0xB3, 0xD6, 0x00},
         {rgb565(0b10111, 0b100101, 0b01110), rgb565(0b10100, 0b100000, 0b01100)}},
        {"0xFA copies from the row above, one to the right", 3, 2, cat({a, b, c, {0xFA, 0xFA}, d}), {A, B, C, B, C, D}},
        {"0xFB copies from the row above, one to the left", 3, 2, cat({a, b, c, d, {0xFB, 0xFB}}), {A, B, C, D, A, B}},
        {"0xFC repeats a pair n + 2 times", 4, 1, cat({{0xFC, 0}, a, b}), {A, B, A, B}},
        {"0xFD repeats a pixel n + 3 times", 4, 1, cat({{0xFD, 1}, c}), {C, C, C, C}},
        {"0xFE copies n + 2 pixels from two rows up", 2, 3, cat({a, b, c, d, {0xFE, 0}}), {A, B, C, D, A, B}},
        {"0xFF copies n + 2 pixels from the row above", 2, 2, cat({a, b, {0xFF, 0}}), {A, B, A, B}},
    };
    for (const Case& t : cases) EXPECT_EQ(decode16(t.codes, t.w, t.h), t.expected) << t.name;
}

TEST(Pms16, FailsOnStreamsThatLeaveThePicture) {
    struct Case {
        const char* name;
        int w, h;
        Codes codes;
    };
    const Case cases[] = {
        {"literal without its high byte", 1, 1, {0x34}},
        {"0xF9 ends inside its pixels", 3, 1, {0xF9, 2, 0x00, 1, 2}},
        {"0xFA on the first row reads above it", 2, 1, {0xFA, 0x34, 0x12}},
        {"0xFA where the row above has no pixel to the right", 1, 2, {0x34, 0x12, 0xFA}},
        {"0xFB in the first column reads left of it", 2, 2, {0x34, 0x12, 0x34, 0x12, 0xFB, 0x34, 0x12}},
        {"0xFF on the first row", 2, 2, {0xFF, 0}},
        {"0xFE on the second row", 2, 2, {0x34, 0x12, 0x34, 0x12, 0xFE, 0}},
        {"0xFD past the last row", 2, 1, {0xFD, 0, 0x34, 0x12}},
        {"0xFC past the last row", 3, 1, {0xFC, 0, 1, 2, 3, 4}},
        {"stream ends early", 2, 2, {0x34, 0x12}},
    };
    for (const Case& c : cases) {
        GuardedPlane plane(c.w, c.h, 4);
        EXPECT_FALSE(decode_pms16(c.codes, plane.plane32())) << c.name;
        EXPECT_TRUE(plane.guards_intact()) << c.name;
    }
}

}  // namespace

// Damaged and forged pictures: each one fails the load quietly, leaves the record empty and never
// reads or writes outside the entry or the surface (run this under the sanitizers).
#include <gtest/gtest.h>

#include <functional>

#include "dawnsigil/archive/picture_loader.h"
#include "fixtures/archive_of.h"
#include "fixtures/pms_encoder.h"
#include "fixtures/qnt_encoder.h"
#include "fixtures/test_host.h"

namespace {

using dawnsigil::archive::Picture;
using namespace dawnsigil_fixtures;

// A valid picture with one change made to it.
Bytes edited(Bytes b, const std::function<void(Bytes&)>& edit) {
    edit(b);
    return b;
}

Bytes qnt(int w, int h, bool alpha = false, int version = 0) {
    QntOptions o;
    o.alpha = alpha;
    o.version = version;
    return encode_qnt(noise_image(w, h, 7), o);
}

// Field offsets of a version 0 QNT header.
constexpr size_t kQntWidth = 16, kQntHeight = 20, kQntPixelSize = 32, kQntAlphaSize = 36;
constexpr size_t kQntV1HeaderSize = 8;

Bytes qnt_with_size(int w, int h) {
    return edited(qnt(4, 4), [&](Bytes& b) {
        put_u32(b, kQntWidth, uint32_t(w));
        put_u32(b, kQntHeight, uint32_t(h));
    });
}

Bytes pms16(int w, int h) {
    std::vector<uint16_t> values(size_t(w) * h, 0x1234);
    return encode_pms16(w, h, values, std::vector<uint8_t>(values.size(), 9));
}

Bytes pms8(int w, int h) {
    return encode_pms8(w, h, std::vector<uint8_t>(size_t(w) * h, 1), Palette{});
}

TEST(HostileInput, EveryForgedPictureFailsCleanly) {
    struct Case {
        const char* name;
        Bytes entry;
    };
    const Bytes good_qnt = qnt(6, 4, true);
    const Case cases[] = {
        // QNT headers and sizes.
        {"QNT shorter than its header", Bytes(good_qnt.begin(), good_qnt.begin() + 30)},
        {"QNT version 3", edited(good_qnt, [](Bytes& b) { b[4] = 3; })},
        {"QNT width 0", qnt_with_size(0, 4)},
        {"QNT height negative", qnt_with_size(4, -1)},
        {"QNT wider than the limit", qnt_with_size(20000, 2)},
        {"QNT byte count that overflows 32 bits", qnt_with_size(65536, 65536)},
        {"QNT pixel count over the limit", qnt_with_size(16384, 16384)},
        {"QNT header size past the entry", edited(qnt(4, 4, false, 1), [](Bytes& b) { put_u32(b, kQntV1HeaderSize, 0xFFFFFF00); })},
        {"QNT pixel stream past the entry", edited(good_qnt, [](Bytes& b) { put_u32(b, kQntPixelSize, 0x7FFFFFFF); })},
        {"QNT pixel stream size negative", edited(good_qnt, [](Bytes& b) { put_u32(b, kQntPixelSize, 0xFFFFFFF0); })},
        {"QNT pixel stream size 0", edited(good_qnt, [](Bytes& b) { put_u32(b, kQntPixelSize, 0); })},
        {"QNT alpha stream past the entry", edited(good_qnt, [](Bytes& b) { put_u32(b, kQntAlphaSize, 100000); })},
        // A stream that inflates to fewer bytes than the picture needs.
        {"QNT truncated pixel stream", edited(good_qnt, [](Bytes& b) {
             const uint32_t p = b[32] | b[33] << 8;
             put_u32(b, kQntPixelSize, p / 2);
         })},
        {"QNT size larger than its stream", edited(qnt(4, 4), [](Bytes& b) { put_u32(b, kQntHeight, 40); })},
        {"QNT alpha stream of another picture's size", [] {
             const Bytes big = qnt_alpha_stream(noise_image(2, 2, 1));
             Bytes b = qnt(6, 4);
             Bytes head = qnt_header(0, 48, 6, 4, 24, uint32_t(b.size() - 48), uint32_t(big.size()));
             head.insert(head.end(), b.begin() + 48, b.end());
             head.insert(head.end(), big.begin(), big.end());
             return head;
         }()},
        // PMS headers, offsets and streams.
        {"PMS shorter than its header", edited(pms16(2, 2), [](Bytes& b) { b.resize(39); })},
        {"PMS width 0", edited(pms16(2, 2), [](Bytes& b) { put_u32(b, 24, 0); })},
        {"PMS height huge", edited(pms16(2, 2), [](Bytes& b) { put_u32(b, 28, 0x7FFFFFFF); })},
        {"PMS pixel stream past the entry", edited(pms16(2, 2), [](Bytes& b) { put_u32(b, 32, 5000); })},
        {"PMS pixel offset at the entry's end", edited(pms16(2, 2), [](Bytes& b) { put_u32(b, 32, uint32_t(b.size())); })},
        {"PMS palette past the entry", edited(pms8(2, 2), [](Bytes& b) { put_u32(b, 36, uint32_t(b.size() - 700)); })},
        {"PMS palette offset wrapping 32 bits", edited(pms8(2, 2), [](Bytes& b) { put_u32(b, 36, 0xFFFFFF00); })},
        {"PMS alpha stream past the entry", edited(pms16(2, 2), [](Bytes& b) { put_u32(b, 36, 9000); })},
        {"PMS code stream ends early", pms_file(16, 4, 4, {0x34, 0x12}, {})},
        {"PMS run past the last row", pms_file(16, 2, 1, {0xFD, 200, 0x34, 0x12}, {})},
        {"PMS copy above the first row", pms_file(16, 2, 2, {0xFF, 50}, {})},
        {"PMS copy left of the first column", pms_file(16, 2, 2, {1, 1, 2, 2, 0xFB}, {})},
        {"PMS 8-bit copy from two rows up on row 1", pms_file(8, 2, 2, {1, 2, 0xFE, 0}, Bytes(768, 0))},
        {"PMS alpha stream that ends early", pms_file(16, 2, 2, pms16_literals({1, 2, 3, 4}), {7, 7, 7})},
        {"PMS alpha run past the last row", pms_file(16, 2, 1, pms16_literals({1, 2}), {0xFD, 9, 1})},
    };
    for (const Case& c : cases) {
        FakeFactory factory;
        MessageRecorder messages;
        auto archive = archive_of({c.entry});
        Picture record;
        EXPECT_FALSE(dawnsigil::archive::load_picture(archive, factory, 0, record)) << c.name;
        EXPECT_EQ(record.surface(), nullptr) << c.name;
        EXPECT_TRUE(messages.requests().empty()) << c.name << ": damaged data is not the user's business";
    }
}

// The fixtures the table edits are themselves loadable, so each case fails for its own reason.
TEST(HostileInput, TheUneditedPicturesLoad) {
    for (const Bytes& entry : {qnt(6, 4, true), qnt(4, 4, false, 1), pms16(2, 2), pms8(2, 2)}) {
        FakeFactory factory;
        auto archive = archive_of({entry});
        Picture record;
        EXPECT_TRUE(dawnsigil::archive::load_picture(archive, factory, 0, record));
    }
}

TEST(HostileInput, AFactoryThatRefusesTheSurfaceFailsTheLoad) {
    FakeFactory factory;
    factory.refuse(6, 4);
    auto archive = archive_of({qnt(6, 4), pms16(6, 4)});
    Picture record;
    EXPECT_FALSE(dawnsigil::archive::load_picture(archive, factory, 0, record));
    EXPECT_FALSE(dawnsigil::archive::load_picture(archive, factory, 1, record));
    EXPECT_EQ(record.surface(), nullptr);
}

}  // namespace

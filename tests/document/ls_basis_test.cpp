#include <gtest/gtest.h>

#include "document/DocumentFile.h"
#include "document/Ls_basis.h"
#include "platform/StreamError.h"
#include "SampleDocuments.h"

using veltrane::ByteReader;
using veltrane::EStreamError;
using veltrane::MemorySink;

namespace {

// Runs primitives of the archiver on a memory stream.
struct Probe : TLS_Basis {
    template <typename F>
    std::vector<std::uint8_t> write(F f)
    {
        MemorySink sink;
        StreamScope scope(*this, nullptr, &sink);
        f(*this);
        return sink.bytes;
    }
    template <typename F>
    void read(const std::vector<std::uint8_t>& bytes, F f)
    {
        ByteReader in(bytes);
        StreamScope scope(*this, &in, nullptr);
        f(*this);
    }
};

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> list)
{
    std::vector<std::uint8_t> v;
    for (int b : list)
        v.push_back(std::uint8_t(b));
    return v;
}

}  // namespace

TEST(LsBasis, FieldsAreLittleEndianWithoutPadding)
{
    Probe p;
    std::int32_t i = -2;
    double d = 1.0;
    Complex c{2.0, -0.5};
    std::uint8_t flag = 1;
    std::int32_t e = 3;
    const auto bytes = p.write([&](TLS_Basis& a) {
        a.RWInt(i, DirWrite);
        a.RWDouble(d, DirWrite);
        a.RWComplex(c, DirWrite);
        a.RWBool(flag, DirWrite);
        a.RWEnumBlock(e, DirWrite);
    });
    testdoc::Bytes expected;
    expected.i32(-2).f64(1.0).f64(2.0).f64(-0.5).u8(1).i32(4).i32(3);
    EXPECT_EQ(bytes, expected.data);
    EXPECT_EQ(bytes[0], 0xFE);

    std::int32_t i2 = 0, e2 = 0;
    double d2 = 0;
    Complex c2;
    std::uint8_t flag2 = 0;
    p.read(bytes, [&](TLS_Basis& a) {
        a.RWInt(i2, DirRead);
        a.RWDouble(d2, DirRead);
        a.RWComplex(c2, DirRead);
        a.RWBool(flag2, DirRead);
        a.RWEnumBlock(e2, DirRead);
    });
    EXPECT_EQ(i2, -2);
    EXPECT_EQ(d2, 1.0);
    EXPECT_EQ(c2, c);
    EXPECT_EQ(flag2, 1);
    EXPECT_EQ(e2, 3);
}

TEST(LsBasis, StringsAreWindows1252WithLengthAndNul)
{
    Probe p;
    struct Case {
        std::string text;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"", bytesOf({0, 0, 0, 0, 0})},
        {"ab", bytesOf({2, 0, 0, 0, 'a', 'b', 0})},
        {"é€", bytesOf({2, 0, 0, 0, 0xE9, 0x80, 0})},
    };
    for (const Case& c : cases) {
        std::string s = c.text;
        EXPECT_EQ(p.write([&](TLS_Basis& a) { a.RWString(s, {"Text"}, DirWrite); }), c.bytes) << c.text;
        std::string back = "previous";
        p.read(c.bytes, [&](TLS_Basis& a) { a.RWString(back, {"Text"}, DirRead); });
        EXPECT_EQ(back, c.text);
    }
}

TEST(LsBasis, LongStringsAreCutTo255Characters)
{
    Probe p;
    std::string s(300, 'x');
    s += "é";
    const auto bytes = p.write([&](TLS_Basis& a) { a.RWString(s, {"Text"}, DirWrite); });
    ASSERT_EQ(bytes.size(), 4u + 255u + 1u);
    EXPECT_EQ(bytes[0], 255);
    EXPECT_EQ(bytes[4 + 254], 'x');
    EXPECT_EQ(bytes.back(), 0);
    std::string back;
    p.read(bytes, [&](TLS_Basis& a) { a.RWString(back, {"Text"}, DirRead); });
    EXPECT_EQ(back, std::string(255, 'x'));
}

TEST(LsBasis, BrokenLimitsAreReadErrors)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::function<void(TLS_Basis&)> read;
    };
    std::string s;
    std::int32_t v = 0;
    const Case cases[] = {
        {"string of 256", testdoc::Bytes().i32(256).zeros(300).data, [&](TLS_Basis& a) { a.RWString(s, {"Text"}, DirRead); }},
        {"negative string", testdoc::Bytes().i32(-1).zeros(8).data, [&](TLS_Basis& a) { a.RWString(s, {"Text"}, DirRead); }},
        {"string past end", testdoc::Bytes().i32(10).zeros(3).data, [&](TLS_Basis& a) { a.RWString(s, {"Text"}, DirRead); }},
        {"block of 2 for 4", testdoc::Bytes().i32(2).zeros(8).data, [&](TLS_Basis& a) { a.RWEnumBlock(v, DirRead); }},
        {"block of 8 for 4", testdoc::Bytes().i32(8).zeros(8).data, [&](TLS_Basis& a) { a.RWEnumBlock(v, DirRead); }},
        {"short int", bytesOf({1, 2, 3}), [&](TLS_Basis& a) { a.RWInt(v, DirRead); }},
        {"size header 2", bytesOf({'0', '0', '0', '2', 0, '0', '0', '0', '8', 0, '0', '0', '0', '1', 0}),
         [&](TLS_Basis& a) { a.RWSizeHeader(DirRead); }},
        {"size header 10", bytesOf({'0', '0', '0', '4', 0, '0', '0', '1', '0', 0, '0', '0', '0', '1', 0}),
         [&](TLS_Basis& a) { a.RWSizeHeader(DirRead); }},
        {"size header text", bytesOf({'0', '0', '0', '4', 0, 'a', 'b', 0, 0, 0, '0', '0', '0', '1', 0}),
         [&](TLS_Basis& a) { a.RWSizeHeader(DirRead); }},
    };
    for (const Case& c : cases) {
        Probe p;
        EXPECT_THROW(p.read(c.bytes, c.read), EStreamError) << c.name;
    }
}

TEST(LsBasis, SizeHeaderIsWrittenAsText)
{
    Probe p;
    const auto bytes = p.write([](TLS_Basis& a) { a.RWSizeHeader(DirWrite); });
    EXPECT_EQ(bytes, bytesOf({'0', '0', '0', '4', 0, '0', '0', '0', '8', 0, '0', '0', '0', '1', 0}));
    Probe q;
    q.read(bytes, [](TLS_Basis& a) { a.RWSizeHeader(DirRead); });
    EXPECT_EQ(q.IntSize, 4);
    EXPECT_EQ(q.DoubleSize, 8);
    EXPECT_EQ(q.BoolSize, 1);
}

TEST(DetectDocumentVersion, RecognisesHeaders)
{
    auto magic = [](const char* version) {
        testdoc::Bytes b;
        b.raw("VTN", 4).raw(version, 6).zeros(20);
        return b.data;
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        int expected;
    };
    const Case cases[] = {
        {"empty", {}, 1},
        {"three bytes", bytesOf({'V', 'T', 'N'}), 1},
        {"magic alone", bytesOf({'V', 'T', 'N', 0}), 1},
        {"3.02", magic("03.02"), 302},
        {"3.00", magic("03.00"), 300},
        {"3.0", magic("3.0\0\0"), 300},
        {"3.01", magic("03.01"), 2},
        {"not a number", magic("abcde"), 2},
        {"magic without NUL", testdoc::Bytes().raw("VTNX03.02", 10).f64(0).data, 1},
        {"double 2.0", testdoc::Bytes().f64(2.0).f64(0.0).data, 200},
        {"double 2.0, eight bytes", testdoc::Bytes().f64(2.0).data, 200},
        {"double 1.0", testdoc::Bytes().f64(1.0).f64(0.0).data, 2},
        {"double 3.0", testdoc::Bytes().f64(3.0).f64(0.0).data, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectDocumentVersion(c.bytes), c.expected) << c.name;

    auto seven = testdoc::Bytes().f64(2.0).data;
    seven.pop_back();
    EXPECT_EQ(DetectDocumentVersion(seven), 1);
}

// Port names and line settings, without a device.
#include <gtest/gtest.h>

#include <asm/termbits.h>

#include "port/LptCom.h"
#include "port/PortLine.h"

using namespace veltrane::port;

namespace {

TEST(PortNames, MapToDevices)
{
    struct Case { const char* name; const char* path; };
    for (auto c : {Case{"COM1", "/dev/ttyS0"}, Case{"com2", "/dev/ttyS1"}, Case{"COM12", "/dev/ttyS11"},
                   Case{"LPT1", "/dev/lp0"}, Case{"LPT2", "/dev/lp1"}, Case{"/dev/pts/7", "/dev/pts/7"},
                   Case{"COM0", ""}, Case{"COM", ""}, Case{"COMx", ""}, Case{"ttyS0", ""}, Case{"", ""},
                   Case{"AUX1", ""}})
        EXPECT_EQ(TLptCom::devicePath(c.name), c.path) << c.name;
}

TEST(PortLine, SettingsMapOntoTheLine)
{
    struct Case { LineSettings in; bool ok; };
    LineSettings base;
    auto with = [&](auto change) { LineSettings s = base; change(s); return s; };
    const Case cases[] = {
        {base, true},
        {with([](LineSettings& s) { s.dataBits = 4; }), false},
        {with([](LineSettings& s) { s.stopBits = 1; }), false},
        {with([](LineSettings& s) { s.stopBits = 1; s.dataBits = 5; }), true},
        {with([](LineSettings& s) { s.stopBits = 2; s.dataBits = 5; }), false},
        {with([](LineSettings& s) { s.baud = 0; }), false},
        {with([](LineSettings& s) { s.parity = 5; }), false},
    };
    for (const auto& c : cases) {
        LineState st;
        EXPECT_EQ(configureLine(st, c.in), c.ok) << c.in.dataBits << " " << c.in.stopBits << " " << c.in.baud;
    }

    for (int parity = 0; parity <= 4; ++parity)
        for (int bits = 5; bits <= 8; ++bits) {
            LineState st;
            st.iflag = ICRNL | IXON;
            st.oflag = OPOST | ONLCR;
            st.lflag = ICANON | ECHO;
            ASSERT_TRUE(configureLine(st, with([&](LineSettings& s) { s.parity = parity; s.dataBits = bits; s.stopBits = bits == 5 ? 1 : 2; s.baud = 31250; })));
            EXPECT_EQ(lineParity(st), parity);
            EXPECT_EQ(lineDataBits(st), bits);
            EXPECT_EQ(lineStopBits(st), bits == 5 ? 1 : 2);
            EXPECT_EQ(lineSpeed(st), 31250u);
            EXPECT_FALSE(st.oflag & OPOST);
            EXPECT_FALSE(st.iflag & ICRNL);
            EXPECT_FALSE(st.lflag & (ICANON | ECHO));
            EXPECT_EQ(bool(st.iflag & INPCK), parity != 0);
        }

    for (int p = 0; p <= 2; ++p) {
        LineState st;
        ASSERT_TRUE(configureLine(st, with([&](LineSettings& s) { s.protokoll = p; s.xon = 'a'; s.xoff = 'b'; })));
        EXPECT_EQ(lineSoftwareFlow(st), p == 1);
        EXPECT_EQ(lineHardwareFlow(st), p == 2);
        EXPECT_EQ(st.cc[VSTART], 'a');
        EXPECT_EQ(st.cc[VSTOP], 'b');
    }
}

}  // namespace

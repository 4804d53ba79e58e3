// The port component over a pseudo-terminal: the test holds the master side.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "port/LptCom.h"
#include "port/PortLine.h"
#include "platform/ScriptedPlatform.h"
#include "support/TempFolder.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

class PortPtyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[256] = {};
        ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
        slavePath = name;
        port = std::make_unique<TLptCom>();
        port->SetComPort(slavePath);
        port->SetTimeout(20);
        port->EventPass = [this] {
            ++pumps;
            if (onPump)
                onPump();
        };
        port->OnError = [this](TLptCom&, int, const std::string& title, std::uint32_t, const TComStat&) {
            events.push_back("Error " + title);
        };
        port->OnOverlap = [this](TLptCom&, int, int dir) { events.push_back("Overlap " + std::to_string(dir)); };
        port->OnTimeout = [this](TLptCom&, int, int dir) { events.push_back("Timeout " + std::to_string(dir)); };
        port->OnStopped = [this](TLptCom&, int, int dir) { events.push_back("Stopped " + std::to_string(dir)); };
        port->OnReaded = [this](TLptCom&, int) { events.push_back("Readed"); };
        port->OnWriten = [this](TLptCom&, int) { events.push_back("Writen"); };
    }

    void TearDown() override
    {
        port.reset();
        if (master >= 0)
            close(master);
        if (slave >= 0)
            close(slave);
    }

    void feed(const std::string& s) { ASSERT_EQ(write(master, s.data(), s.size()), ssize_t(s.size())); }

    std::string drain(std::size_t n)
    {
        std::string out;
        char buf[256];
        while (out.size() < n) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 500) <= 0)
                break;
            ssize_t r = read(master, buf, sizeof buf);
            if (r <= 0)
                break;
            out.append(buf, std::size_t(r));
        }
        return out;
    }

    std::vector<std::string> boxTexts() const
    {
        std::vector<std::string> r;
        for (const auto& b : script.boxes)
            r.push_back(b.caption + ": " + b.text);
        return r;
    }

    ScriptedPlatform script;
    ScopedPlatform use{script};
    int master = -1, slave = -1;
    std::string slavePath;
    std::unique_ptr<TLptCom> port;
    std::vector<std::string> events;
    int pumps = 0;
    std::function<void()> onPump;
};

TEST_F(PortPtyTest, WrittenBytesArriveRaw)
{
    ASSERT_TRUE(port->OpenPort());
    EXPECT_TRUE(script.boxes.empty()) << ::testing::PrintToString(boxTexts());
    for (std::string s : {std::string("hello"), std::string("A\nB"), std::string("\r\n\0x", 4)}) {
        events.clear();
        ASSERT_TRUE(port->WriteString(s));
        EXPECT_EQ(drain(s.size()), s);
        EXPECT_EQ(events, std::vector<std::string>{"Writen"});
    }
    ASSERT_TRUE(port->WriteChar('Z'));
    ASSERT_TRUE(port->WriteString("pq"));
    EXPECT_EQ(drain(3), "Zpq");
}

TEST_F(PortPtyTest, LineReadStopsAtTheTerminator)
{
    ASSERT_TRUE(port->OpenPort());
    feed("OK\r\nnext\r\n");
    std::string s;
    EXPECT_TRUE(port->ReadString(s, "\r\n", true));
    EXPECT_EQ(s, "OK");
    EXPECT_TRUE(port->ReadString(s, "\r\n", false));
    EXPECT_EQ(s, "next\r\n");
    EXPECT_GE(pumps, 6);  // after every character
}

TEST_F(PortPtyTest, CountedReadAndItsPassLimit)
{
    ASSERT_TRUE(port->OpenPort());
    feed("abcde");
    std::string s;
    EXPECT_TRUE(port->ReadString(s, 5));
    EXPECT_EQ(s, "abcde");
    EXPECT_EQ(events, std::vector<std::string>{"Readed"});

    events.clear();
    port->OverlapReadAnz = 2;
    feed("xyz");
    EXPECT_FALSE(port->ReadString(s, 5));
    EXPECT_EQ(s, "xyz");
    EXPECT_EQ(events, (std::vector<std::string>{"Overlap 0", "Overlap 0", "Timeout 0"}));
    EXPECT_TRUE(script.boxes.empty());

    // The rest of a message arriving during the event pass completes the read.
    events.clear();
    port->OverlapReadAnz = -1;
    feed("12");
    onPump = [this] { feed("345"); onPump = nullptr; };
    EXPECT_TRUE(port->ReadString(s, 5));
    EXPECT_EQ(s, "12345");
    EXPECT_EQ(events, (std::vector<std::string>{"Overlap 0", "Readed"}));
}

TEST_F(PortPtyTest, ReadCharGivesZeroWhenNothingArrived)
{
    port->OverlapReadAnz = 1;
    ASSERT_TRUE(port->OpenPort());
    char c = 'q';
    EXPECT_FALSE(port->ReadChar(c));
    EXPECT_EQ(c, '\0');
    feed("k");
    EXPECT_TRUE(port->ReadChar(c));
    EXPECT_EQ(c, 'k');
}

TEST_F(PortPtyTest, ZeroTimeoutDoesNotWait)
{
    port->SetTimeout(-5);
    EXPECT_EQ(port->Timeout(), 0);
    port->OverlapReadAnz = 3;
    ASSERT_TRUE(port->OpenPort());
    std::string s;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port->ReadString(s, 5));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(events.back(), "Timeout 0");
    feed("ab");
    EXPECT_FALSE(port->ReadString(s, 5));
    EXPECT_EQ(s, "ab");
}

TEST_F(PortPtyTest, UserBaudRateReachesTheLine)
{
    port->SetBaudRate(Baud_USER);
    port->SetUserBaudRate(31250);
    ASSERT_TRUE(port->OpenPort());
    veltrane::port::LineState st;
    ASSERT_EQ(veltrane::port::getLine(slave, st), 0);
    EXPECT_EQ(veltrane::port::lineSpeed(st), 31250u);
    port->SetBaudRate(Baud_56000);
    ASSERT_EQ(veltrane::port::getLine(slave, st), 0);
    EXPECT_EQ(veltrane::port::lineSpeed(st), 56000u);
    EXPECT_TRUE(script.boxes.empty()) << ::testing::PrintToString(boxTexts());
    // Closing gives the line its own settings back.
    port->ClosePort();
    ASSERT_EQ(veltrane::port::getLine(slave, st), 0);
    EXPECT_NE(veltrane::port::lineSpeed(st), 56000u);
}

TEST_F(PortPtyTest, SettingsTheLineCannotTakeFailAsSetCommState)
{
    ASSERT_TRUE(port->OpenPort());
    port->SetDataBits(Data_4);
    port->SetDataBits(Data_8);
    port->SetStopBits(STOP_15);
    port->SetDataBits(Data_5);
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"SetCommState failed: SetCommState failed",
                                                    "SetCommState failed: SetCommState failed"}));
    EXPECT_FALSE(port->SendControlChar('x'));
    EXPECT_FALSE(port->SendControlFlag(RESETDEV));
    EXPECT_EQ(script.boxes.back().caption, "SendControlFlag  failed");
    EXPECT_EQ(script.boxes.at(2).caption, "SendControlChar  failed");
}

TEST_F(PortPtyTest, FailuresWithoutASystemCallShowTheTitleAlone)
{
    std::string s;
    errno = 0;  // a stale "Success" must not show
    EXPECT_FALSE(port->WriteString("x"));
    EXPECT_FALSE(port->ReadString(s, 3));
    EXPECT_FALSE(port->SendControlFlag(SETDTR));
    ASSERT_EQ(script.boxes.size(), 3u);
    for (const auto& b : script.boxes) {
        EXPECT_EQ(b.caption, "port not open");
        EXPECT_EQ(b.text, "port not open");
        EXPECT_EQ(b.kind, veltrane::BoxKind::Error);
    }
    EXPECT_EQ(events.front(), "Error port not open");
    std::uint32_t errors;
    TComStat status;
    EXPECT_FALSE(port->GetStatus(errors, status));

    port->ShowErrorMsg = false;
    EXPECT_FALSE(port->WriteString("x"));
    EXPECT_EQ(script.boxes.size(), 3u);
    EXPECT_EQ(events.back(), "Error port not open");
}

TEST_F(PortPtyTest, BadPathCannotOpen)
{
    port->SetComPort("/nonexistent/port");
    EXPECT_FALSE(port->OpenPort());
    EXPECT_FALSE(port->isOpen());
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Cann't open port!");
    EXPECT_EQ(script.boxes[0].text, std::strerror(ENOENT));
    // A plain file is no port.
    port->SetComPort("/dev/null");
    EXPECT_TRUE(port->OpenPort()) << "a character device opens";
    port->ClosePort();
    testdoc::TempFolder folder;
    const std::string file = folder.path("port");
    testdoc::writeBytes(file, {});
    port->SetComPort(file);
    EXPECT_FALSE(port->OpenPort());
    EXPECT_EQ(script.boxes.back().caption, "Cann't open port!");
}

TEST_F(PortPtyTest, HangUpEndsTransfersInsteadOfSpinning)
{
    port->SetTimeout(0);  // unlimited passes that never wait
    ASSERT_TRUE(port->OpenPort());
    close(master);
    master = -1;
    std::string s;
    EXPECT_FALSE(port->ReadString(s, 4));
    EXPECT_FALSE(port->ReadString(s, "\n", true));
    EXPECT_FALSE(port->WriteString("x"));
    const auto texts = boxTexts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(script.boxes[0].caption, "read to port failed");
    EXPECT_EQ(script.boxes[1].caption, "read to port failed");
    EXPECT_EQ(script.boxes[2].caption, "write to port failed");
    EXPECT_LT(pumps, 5);
}

TEST_F(PortPtyTest, ClosingOrDestroyingDuringAPassEndsTheTransfer)
{
    ASSERT_TRUE(port->OpenPort());
    std::string s;
    onPump = [this] { port->ClosePort(); };
    EXPECT_FALSE(port->ReadString(s, 4));
    EXPECT_EQ(events.back(), "Stopped 0");
    EXPECT_TRUE(script.boxes.empty()) << ::testing::PrintToString(boxTexts());

    ASSERT_TRUE(port->OpenPort());
    onPump = [this] { port->StopReading(); };
    EXPECT_FALSE(port->ReadString(s, "\n", true));
    EXPECT_EQ(events.back(), "Stopped 0");

    onPump = [this] { port.reset(); };
    EXPECT_FALSE(port->ReadString(s, 4));
    EXPECT_EQ(port, nullptr);

    // The same for a line read that is between two characters.
    port = std::make_unique<TLptCom>();
    port->SetComPort(slavePath);
    port->SetTimeout(20);
    port->EventPass = [this] { port.reset(); };
    ASSERT_TRUE(port->OpenPort());
    feed("ab");
    EXPECT_FALSE(port->ReadString(s, "\n", true));
    EXPECT_EQ(port, nullptr);
}

TEST_F(PortPtyTest, BufferFormsTruncateAndTerminate)
{
    ASSERT_TRUE(port->OpenPort());
    feed("abcdef");
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    EXPECT_TRUE(port->ReadString(buf, 4, 6));
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(buf[4], '#');
    feed("OK\r\n");
    std::memset(buf, '#', sizeof buf);
    EXPECT_TRUE(port->ReadString(buf, sizeof buf, "\r\n", true));
    EXPECT_STREQ(buf, "OK");
}

TEST_F(PortPtyTest, OpenAndCloseEventsAndReopenOnRename)
{
    std::vector<std::string> seen;
    port->OnOpen = [&](TLptCom&, int h) { seen.push_back("open"); EXPECT_GE(h, 0); };
    port->OnClose = [&](TLptCom&, int) { seen.push_back("close"); };
    ASSERT_TRUE(port->OpenPort());
    EXPECT_FALSE(port->OpenPort());
    port->SetComPort(slavePath);  // while open: closed and opened again
    EXPECT_TRUE(port->isOpen());
    EXPECT_TRUE(port->ClosePort());
    EXPECT_FALSE(port->ClosePort());
    EXPECT_EQ(seen, (std::vector<std::string>{"open", "close", "open", "close"}));
    EXPECT_TRUE(script.boxes.empty()) << ::testing::PrintToString(boxTexts());
}

}  // namespace

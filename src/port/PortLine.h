#pragma once
// The line settings of a serial port as the kernel keeps them, with a free
// baud rate. Kept apart from <termios.h>, whose structure cannot carry one.

#include <cstdint>

namespace veltrane::port {

struct LineState {
    std::uint32_t iflag = 0, oflag = 0, cflag = 0, lflag = 0;
    std::uint8_t line = 0;
    std::uint8_t cc[19] = {};
    std::uint32_t ispeed = 0, ospeed = 0;
};

struct LineSettings {
    std::uint32_t baud = 9600;
    int dataBits = 8;   // 4 .. 8
    int parity = 0;     // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int stopBits = 0;   // 0 one, 1 one and a half, 2 two
    int protokoll = 0;  // 0 none, 1 XON/XOFF, 2 hardware
    char xon = 17;
    char xoff = 19;
};

// 0 or the errno of the failing call.
int getLine(int fd, LineState& state);
int setLine(int fd, const LineState& state);

// Raw 8-bit transfer with the settings applied. False where the line has no
// such setting (4 data bits, 1.5 stop bits except with 5 data bits, 2 stop
// bits with 5 data bits, rate 0).
bool configureLine(LineState& state, const LineSettings& settings);

std::uint32_t lineSpeed(const LineState& state);
int lineDataBits(const LineState& state);
int lineParity(const LineState& state);
int lineStopBits(const LineState& state);
bool lineSoftwareFlow(const LineState& state);
bool lineHardwareFlow(const LineState& state);

}  // namespace veltrane::port

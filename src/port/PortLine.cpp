#include "port/PortLine.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/ioctl.h>

namespace veltrane::port {

static_assert(sizeof(LineState) == sizeof(struct termios2));
static_assert(offsetof(LineState, cc) == offsetof(struct termios2, c_cc));
static_assert(offsetof(LineState, ispeed) == offsetof(struct termios2, c_ispeed));

int getLine(int fd, LineState& state)
{
    struct termios2 t;
    if (ioctl(fd, TCGETS2, &t) != 0)
        return errno;
    std::memcpy(static_cast<void*>(&state), &t, sizeof t);
    return 0;
}

int setLine(int fd, const LineState& state)
{
    struct termios2 t;
    std::memcpy(&t, &state, sizeof t);
    if (ioctl(fd, TCSETS2, &t) != 0)
        return errno;
    return 0;
}

bool configureLine(LineState& s, const LineSettings& v)
{
    if (v.baud == 0)
        return false;
    tcflag_t size;
    switch (v.dataBits) {
    case 5: size = CS5; break;
    case 6: size = CS6; break;
    case 7: size = CS7; break;
    case 8: size = CS8; break;
    default: return false;
    }
    // The line's second stop bit is one and a half with 5 data bits: 1.5 only
    // there, 2 never there.
    if (v.stopBits < 0 || v.stopBits > 2 || (v.stopBits == 1) != (v.stopBits != 0 && v.dataBits == 5))
        return false;
    if (v.parity < 0 || v.parity > 4 || v.protokoll < 0 || v.protokoll > 2)
        return false;

    // Raw bytes: no echo, no line editing, no translation of CR and LF.
    s.iflag &= ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
    s.oflag &= ~tcflag_t(OPOST);
    s.lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    s.cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
    s.cflag |= size | CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT);
    s.ispeed = s.ospeed = v.baud;

    switch (v.parity) {
    case 1: s.cflag |= PARENB | PARODD; break;
    case 2: s.cflag |= PARENB; break;
    case 3: s.cflag |= PARENB | CMSPAR | PARODD; break;
    case 4: s.cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (v.parity != 0)
        s.iflag |= INPCK;
    if (v.stopBits != 0)
        s.cflag |= CSTOPB;

    s.cc[VSTART] = std::uint8_t(v.xon);
    s.cc[VSTOP] = std::uint8_t(v.xoff);
    s.cc[VMIN] = 1;
    s.cc[VTIME] = 0;
    if (v.protokoll == 1)
        s.iflag |= IXON | IXOFF;
    else if (v.protokoll == 2)
        s.cflag |= CRTSCTS;
    return true;
}

std::uint32_t lineSpeed(const LineState& s) { return s.ospeed; }

int lineDataBits(const LineState& s)
{
    switch (s.cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
    }
}

int lineParity(const LineState& s)
{
    if (!(s.cflag & PARENB))
        return 0;
    const bool odd = s.cflag & PARODD;
    if (s.cflag & CMSPAR)
        return odd ? 3 : 4;
    return odd ? 1 : 2;
}

int lineStopBits(const LineState& s)
{
    if (!(s.cflag & CSTOPB))
        return 0;
    return (s.cflag & CSIZE) == CS5 ? 1 : 2;
}

bool lineSoftwareFlow(const LineState& s) { return (s.iflag & IXON) && (s.iflag & IXOFF); }

bool lineHardwareFlow(const LineState& s) { return s.cflag & CRTSCTS; }

}  // namespace veltrane::port

// The reading and writing of TLptCom: passes bounded by the port's
// time-outs, with the event loop pumped between them.
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>

#include "port/LptCom.h"

namespace {

constexpr int HangUp = -1;
using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : int(std::min<long long>(left, 1 << 30));
}

// 0 when the event is there, 1 on time-out, else an errno or HangUp.
int waitFor(int fd, short event, int ms)
{
    pollfd p{fd, event, 0};
    for (;;) {
        int r = ::poll(&p, 1, ms);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return errno;
        if (r == 0)
            return 1;
        if (p.revents & event)
            return 0;
        if (p.revents & POLLNVAL)
            return EBADF;
        return HangUp;
    }
}

bool endsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

void copyOut(char* buffer, std::size_t size, const std::string& s)
{
    if (!buffer || size == 0)
        return;
    const std::size_t n = std::min(size - 1, s.size());
    std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
}

}  // namespace

// A time-out of 0 means "do not wait": one attempt with what is there.
int TLptCom::readPass(char* buffer, std::size_t want, std::size_t& got)
{
    got = 0;
    const long long total = (long long)timeouts_.readMultiplier * (long long)want + timeouts_.readConstant;
    const auto deadline = Clock::now() + std::chrono::milliseconds(total);
    const bool wait = total > 0;
    while (got < want) {
        int ms = msLeft(deadline);
        if (got > 0 && timeouts_.readInterval > 0)
            ms = std::min(ms, timeouts_.readInterval);
        if (wait && ms == 0)
            break;
        int w = waitFor(fd_, POLLIN, wait ? ms : 0);
        if (w == 1)
            break;
        if (w != 0)
            return w;
        ssize_t n = ::read(fd_, buffer + got, want - got);
        if (n > 0)
            got += std::size_t(n);
        else if (n == 0)
            return HangUp;
        else if (errno != EAGAIN && errno != EINTR)
            return errno;
        else if (!wait)
            break;
    }
    return 0;
}

int TLptCom::writePass(const char* data, std::size_t len, std::size_t& sent)
{
    sent = 0;
    const long long total = (long long)timeouts_.writeMultiplier * (long long)len + timeouts_.writeConstant;
    const auto deadline = Clock::now() + std::chrono::milliseconds(total);
    const bool wait = total > 0;
    while (sent < len) {
        ssize_t n = ::write(fd_, data + sent, len - sent);
        if (n > 0) {
            sent += std::size_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return errno;
        const int ms = msLeft(deadline);
        if (!wait || ms == 0)
            break;
        int w = waitFor(fd_, POLLOUT, ms);
        if (w == 1)
            break;
        if (w != 0)
            return w;
    }
    return 0;
}

void TLptCom::pump()
{
    // A copy: the pass may replace or destroy the one held by the component.
    auto p = EventPass;
    if (p)
        p();
    else
        QCoreApplication::processEvents();
}

TLptCom::Outcome TLptCom::transfer(int ioDir, int limit, bool& busy, bool& stop,
                                   const std::function<int(bool&)>& pass, int& error)
{
    const std::shared_ptr<bool> alive = alive_;
    const bool limited = limit > 0;
    int passes = 0;
    bool complete = false;
    busy = true;
    stop = false;
    error = 0;
    do {
        error = pass(complete);
        if (error)
            break;
        if (limited)
            ++passes;
        if (complete) {
            busy = false;
            break;
        }
        if (doProMes) {
            pump();
            if (!*alive)
                return Outcome::Gone;
        }
        if (OnOverlap) {
            auto cb = OnOverlap;
            cb(*this, fd_, ioDir);
            if (!*alive)
                return Outcome::Gone;
        }
        if (limited && passes >= limit)
            busy = false;
        // The event pass may have closed the port: its descriptor is gone.
    } while (busy && !stop && open_);
    busy = false;
    if (error)
        return Outcome::Failed;
    if (stop || !open_)
        return Outcome::Stopped;
    return complete ? Outcome::Done : Outcome::TimedOut;
}

bool TLptCom::finish(Outcome outcome, int ioDir, int error, const char* failTitle)
{
    switch (outcome) {
    case Outcome::Gone:
        break;
    case Outcome::Failed:
        fail(failTitle, error == HangUp ? 0 : error);
        return false;
    case Outcome::Stopped:
        if (OnStopped) {
            auto cb = OnStopped;
            cb(*this, fd_, ioDir);
        }
        return false;
    case Outcome::Done: {
        auto cb = ioDir == 1 ? OnWriten : OnReaded;
        if (cb)
            cb(*this, fd_);
        return true;
    }
    case Outcome::TimedOut:
        if (OnTimeout) {
            auto cb = OnTimeout;
            cb(*this, fd_, ioDir);
        }
        return false;
    }
    return false;
}

bool TLptCom::WriteString(const std::string& s)
{
    if (!open_) {
        fail("port not open", 0);
        return false;
    }
    if (writing_)
        return false;
    std::size_t done = 0;
    int error = 0;
    auto pass = [&](bool& complete) {
        std::size_t n = 0;
        int e = writePass(s.data() + done, s.size() - done, n);
        done += n;
        complete = done == s.size();
        return e;
    };
    Outcome o = transfer(1, OverlapWriteAnz, writing_, stopWriting_, pass, error);
    if (o == Outcome::Gone)
        return false;  // the component is no more
    return finish(o, 1, error, "write to port failed");
}

bool TLptCom::ReadString(std::string& s, std::uint32_t count)
{
    s.clear();
    if (!open_) {
        fail("port not open", 0);
        return false;
    }
    if (reading_)
        return false;
    std::string buffer(std::size_t(count) + 1, '\0');
    int error = 0;
    auto pass = [&](bool& complete) {
        std::size_t n = 0;
        int e = readPass(buffer.data(), count - s.size(), n);
        s.append(buffer.data(), n);
        complete = s.size() == count;
        return e;
    };
    Outcome o = transfer(0, OverlapReadAnz, reading_, stopReading_, pass, error);
    if (o == Outcome::Gone)
        return false;  // the component is no more
    return finish(o, 0, error, "read to port failed");
}

bool TLptCom::ReadString(std::string& s, const std::string& terminator, bool strip)
{
    s.clear();
    const std::shared_ptr<bool> alive = alive_;
    bool ok = false;
    do {
        char c = 0;
        ok = ReadChar(c);
        if (!*alive)
            return false;
        if (ok)
            s += c;
        if (doProMes) {
            pump();
            if (!*alive)
                return false;
        }
        // A stop or a close between two characters ends the line too.
        if (ok && !endsWith(s, terminator) && (stopReading_ || !open_)) {
            if (OnStopped) {
                auto cb = OnStopped;
                cb(*this, fd_, 0);
            }
            return false;
        }
    } while (ok && !endsWith(s, terminator));
    if (ok && strip)
        s.erase(s.size() - terminator.size());
    return ok;
}

bool TLptCom::WriteString(const char* s) { return WriteString(std::string(s ? s : "")); }

bool TLptCom::ReadString(char* buffer, std::size_t size, const std::string& terminator, bool strip)
{
    std::string s;
    const bool ok = ReadString(s, terminator, strip);
    copyOut(buffer, size, s);
    return ok;
}

bool TLptCom::ReadString(char* buffer, std::size_t size, std::uint32_t count)
{
    std::string s;
    const bool ok = ReadString(s, count);
    copyOut(buffer, size, s);
    return ok;
}

bool TLptCom::WriteChar(char c) { return WriteString(std::string(1, c)); }

bool TLptCom::ReadChar(char& c)
{
    std::string s;
    const bool ok = ReadString(s, 1);
    c = s.empty() ? '\0' : s[0];
    return ok;
}

bool TLptCom::StopWriting()
{
    if (open_)
        ::tcflush(fd_, TCOFLUSH);
    stopWriting_ = true;
    return true;
}

bool TLptCom::StopReading()
{
    if (open_)
        ::tcflush(fd_, TCIFLUSH);
    stopReading_ = true;
    return true;
}

bool TLptCom::ClearBuffer() { return open_ && ::tcflush(fd_, TCIOFLUSH) == 0; }

bool TLptCom::ClearReadBuffer() { return open_ && ::tcflush(fd_, TCIFLUSH) == 0; }

bool TLptCom::ClearWriteBuffer() { return open_ && ::tcflush(fd_, TCOFLUSH) == 0; }

bool TLptCom::SendControlChar(char c)
{
    if (!open_) {
        fail("port not open", 0);
        return false;
    }
    // The line discipline has no way to put a byte ahead of its output queue.
    fail("SendControlChar  failed", 0);
    return false;
}

bool TLptCom::SendControlFlag(std::uint32_t f)
{
    if (!open_) {
        fail("port not open", 0);
        return false;
    }
    int r = -1;
    int lines = 0;
    switch (f) {
    case SETXOFF: r = ::tcflow(fd_, TCOOFF); break;
    case SETXON: r = ::tcflow(fd_, TCOON); break;
    case SETRTS: lines = TIOCM_RTS; r = ::ioctl(fd_, TIOCMBIS, &lines); break;
    case CLRRTS: lines = TIOCM_RTS; r = ::ioctl(fd_, TIOCMBIC, &lines); break;
    case SETDTR: lines = TIOCM_DTR; r = ::ioctl(fd_, TIOCMBIS, &lines); break;
    case CLRDTR: lines = TIOCM_DTR; r = ::ioctl(fd_, TIOCMBIC, &lines); break;
    case SETBREAK: r = ::ioctl(fd_, TIOCSBRK); break;
    case CLRBREAK: r = ::ioctl(fd_, TIOCCBRK); break;
    default:
        // RESETDEV and unknown functions have no equivalent here.
        fail("SendControlFlag  failed", 0);
        return false;
    }
    if (r != 0) {
        fail("SendControlFlag  failed", errno);
        return false;
    }
    return true;
}

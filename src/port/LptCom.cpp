#include "port/LptCom.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "port/PortDlg.h"
#include "platform/Platform.h"

namespace vp = veltrane::port;

namespace {

constexpr std::uint32_t BaudTable[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                       19200, 38400, 56000, 57600, 115200, 128000, 256000};

}  // namespace

TLptCom::TLptCom(QObject* owner) : QObject(owner) {}

TLptCom::~TLptCom()
{
    if (open_)
        ClosePort();
    *alive_ = false;
}

std::string TLptCom::devicePath(const std::string& name)
{
    if (!name.empty() && name[0] == '/')
        return name;
    if (name.size() < 4)
        return {};
    std::string prefix = name.substr(0, 3);
    for (char& c : prefix)
        c = char(std::toupper((unsigned char)c));
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit((unsigned char)name[i]) || n > 1000)
            return {};
        n = n * 10 + (name[i] - '0');
    }
    if (n < 1)
        return {};
    if (prefix == "COM")
        return "/dev/ttyS" + std::to_string(n - 1);
    if (prefix == "LPT")
        return "/dev/lp" + std::to_string(n - 1);
    return {};
}

vp::LineSettings TLptCom::lineSettings() const
{
    vp::LineSettings v;
    v.baud = settings_.BaudRate == Baud_USER ? settings_.UserBaudRate : BaudTable[settings_.BaudRate];
    v.dataBits = int(settings_.DataBits) + 4;
    v.parity = int(settings_.Parity);
    v.stopBits = int(settings_.StopBits);
    v.protokoll = int(settings_.Protokoll);
    v.xon = xon_;
    v.xoff = xoff_;
    return v;
}

// --- opening and closing ---

bool TLptCom::OpenPort()
{
    if (open_)
        return false;
    const std::string path = devicePath(settings_.ComPort);
    if (path.empty()) {
        fail("Cann't open port!", 0);
        return false;
    }
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail("Cann't open port!", errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) {
        ::close(fd);
        fail("Cann't open port!", 0);
        return false;
    }
    ::ioctl(fd, TIOCEXCL);  // not shared; a device without it is still usable
    fd_ = fd;
    open_ = true;
    int err = vp::getLine(fd_, saved_);
    savedValid_ = err == 0;
    if (err)
        fail("GetCommState failed", err);
    std::uint32_t errors;
    TComStat status;
    readErrors(errors, status);  // start the error counts from here
    SetupPort();
    SetupTimeout();
    if (OnOpen) {
        auto cb = OnOpen;
        cb(*this, fd_);
    }
    return true;
}

bool TLptCom::ClosePort()
{
    if (!open_)
        return false;
    if (writing_)
        StopWriting();
    if (reading_)
        StopReading();
    int lines = TIOCM_DTR;
    ::ioctl(fd_, TIOCMBIC, &lines);
    ::ioctl(fd_, TCFLSH, 2);  // both directions
    if (savedValid_) {
        if (int err = vp::setLine(fd_, saved_))
            fail("SetCommState failed", err);
    }
    ::ioctl(fd_, TIOCNXCL);
    const int fd = fd_;
    // The descriptor is gone whatever close says; never use it again.
    const bool ok = ::close(fd) == 0;
    const int err = errno;
    fd_ = -1;
    open_ = false;
    savedValid_ = false;
    const auto alive = alive_;
    if (!ok)
        fail("Cann't close port !", err);
    if (*alive && OnClose) {
        auto cb = OnClose;
        cb(*this, fd);
    }
    return ok;
}

// --- settings ---

void TLptCom::SetComPort(const std::string& name)
{
    settings_.ComPort = name;
    if (open_) {
        ClosePort();
        OpenPort();
    }
}

#define APPLIED_SETTER(Name, Type, field) \
    void TLptCom::Name(Type v)            \
    {                                     \
        field = v;                        \
        if (open_)                        \
            SetupPort();                  \
    }
APPLIED_SETTER(SetBaudRate, TBaudRate, settings_.BaudRate)
APPLIED_SETTER(SetUserBaudRate, std::uint32_t, settings_.UserBaudRate)
APPLIED_SETTER(SetDataBits, TDataBits, settings_.DataBits)
APPLIED_SETTER(SetParity, TParity, settings_.Parity)
APPLIED_SETTER(SetStopBits, TStopBits, settings_.StopBits)
APPLIED_SETTER(SetProtokoll, TProtokoll, settings_.Protokoll)
APPLIED_SETTER(SetXOnChar, char, xon_)
APPLIED_SETTER(SetXOffChar, char, xoff_)
#undef APPLIED_SETTER

void TLptCom::SetTimeout(int ms)
{
    timeout_ = ms < 0 ? 0 : ms;
    if (open_)
        SetupTimeout();
}

void TLptCom::SetupPort()
{
    if (!open_)
        return;
    if (int err = vp::getLine(fd_, working_)) {
        fail("GetCommState failed", err);
        return;
    }
    if (!vp::configureLine(working_, lineSettings())) {
        // The line has no such setting; no call failed.
        fail("SetCommState failed", 0);
        return;
    }
    if (int err = vp::setLine(fd_, working_)) {
        fail("SetCommState failed", err);
        return;
    }
    // DTR and RTS on; a line without modem lines (a pseudo-terminal) has none to set.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd_, TIOCMBIS, &lines);
}

void TLptCom::SetupTimeout()
{
    timeouts_ = Timeouts{timeout_, timeout_, timeout_, timeout_, timeout_};
}

void TLptCom::ShowPortDlg()
{
    if (!dlg_)
        dlg_ = std::make_unique<TPortDlg>();
    dlg_->Settings = settings_;
    if (dlg_->exec() != QDialog::Accepted)
        return;
    const std::string oldName = settings_.ComPort;
    settings_ = dlg_->Settings;
    if (!open_)
        return;
    if (settings_.ComPort != oldName) {
        ClosePort();
        OpenPort();
    } else {
        SetupPort();
    }
}

// --- failures and status ---

void TLptCom::fail(const std::string& title, int error)
{
    pendingError_ = error;
    Fehler(title);
}

void TLptCom::Fehler(const std::string& title)
{
    // Only the call that failed has an error text; the others show the title.
    const int err = pendingError_;
    pendingError_ = 0;
    std::uint32_t errors = 0;
    TComStat status;
    readErrors(errors, status);
    if (ShowErrorMsg) {
        std::string text = err > 0 ? std::string(std::strerror(err)).substr(0, 250) : title;
        veltrane::showError(title, text);
    }
    if (OnError) {
        auto cb = OnError;
        cb(*this, fd_, title, errors, status);
    }
}

void TLptCom::readErrors(std::uint32_t& errors, TComStat& status)
{
    errors = 0;
    status = TComStat{};
    if (!open_)
        return;
    int n = 0;
    if (::ioctl(fd_, FIONREAD, &n) == 0)
        status.cbInQue = std::uint32_t(n);
    if (::ioctl(fd_, TIOCOUTQ, &n) == 0)
        status.cbOutQue = std::uint32_t(n);
    serial_icounter_struct c{};
    if (::ioctl(fd_, TIOCGICOUNT, &c) != 0)
        return;  // not a UART
    if (c.frame != counters_.frame)
        errors |= CE_FRAME;
    if (c.overrun != counters_.overrun)
        errors |= CE_OVERRUN;
    if (c.parity != counters_.parity)
        errors |= CE_RXPARITY;
    if (c.brk != counters_.brk)
        errors |= CE_BREAK;
    if (c.buf_overrun != counters_.bufOverrun)
        errors |= CE_RXOVER;
    counters_ = Counters{c.frame, c.overrun, c.parity, c.brk, c.buf_overrun};
}

bool TLptCom::GetStatus(std::uint32_t& errors, TComStat& status)
{
    if (!open_)
        return false;
    readErrors(errors, status);
    return true;
}

#pragma once
// A serial or parallel port: opened by name, set up from its properties,
// read and written in passes that keep the application responsive, with
// every failure reported by message box and by event.
//
// "COMn" names /dev/ttyS(n-1), "LPTn" /dev/lp(n-1); a name beginning with
// "/" is the device path itself.

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "port/PortLine.h"
#include "port/PortSettings.h"

class TPortDlg;

// The port's error state: CE_ flags and the queue sizes.
struct TComStat {
    std::uint32_t cbInQue = 0;
    std::uint32_t cbOutQue = 0;
};
constexpr std::uint32_t CE_RXOVER = 0x0001, CE_OVERRUN = 0x0002, CE_RXPARITY = 0x0004, CE_FRAME = 0x0008,
                        CE_BREAK = 0x0010;
// Functions for SendControlFlag.
constexpr std::uint32_t SETXOFF = 1, SETXON = 2, SETRTS = 3, CLRRTS = 4, SETDTR = 5, CLRDTR = 6, RESETDEV = 7,
                        SETBREAK = 8, CLRBREAK = 9;

class TLptCom : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TLptCom& sender, int hcom)>;
    using TIoEvent = std::function<void(TLptCom& sender, int hcom, int ioDir)>;
    using TErrorEvent = std::function<void(TLptCom& sender, int hcom, const std::string& title,
                                           std::uint32_t errorCode, const TComStat& status)>;

    explicit TLptCom(QObject* owner = nullptr);
    ~TLptCom() override;

    bool OpenPort();
    bool ClosePort();
    bool GetStatus(std::uint32_t& errors, TComStat& status);
    void ShowPortDlg();
    bool isOpen() const { return open_; }
    int handle() const { return fd_; }

    const std::string& ComPort() const { return settings_.ComPort; }
    TBaudRate BaudRate() const { return settings_.BaudRate; }
    std::uint32_t UserBaudRate() const { return settings_.UserBaudRate; }
    TDataBits DataBits() const { return settings_.DataBits; }
    TParity Parity() const { return settings_.Parity; }
    TStopBits StopBits() const { return settings_.StopBits; }
    TProtokoll Protokoll() const { return settings_.Protokoll; }
    char XOnChar() const { return xon_; }
    char XOffChar() const { return xoff_; }
    int Timeout() const { return timeout_; }
    TPortArt PortArt() const { return settings_.PortArt; }
    void SetPortArt(TPortArt a) { settings_.PortArt = a; }

    virtual void SetComPort(const std::string& name);
    virtual void SetBaudRate(TBaudRate rate);
    virtual void SetUserBaudRate(std::uint32_t rate);
    virtual void SetDataBits(TDataBits bits);
    virtual void SetParity(TParity parity);
    virtual void SetStopBits(TStopBits bits);
    virtual void SetProtokoll(TProtokoll protokoll);
    virtual void SetXOnChar(char c);
    virtual void SetXOffChar(char c);
    virtual void SetTimeout(int ms);
    virtual void SetupPort();
    virtual void SetupTimeout();
    virtual void Fehler(const std::string& title);
    virtual bool WriteString(const std::string& s);
    virtual bool ReadString(std::string& s, const std::string& terminator, bool strip);
    virtual bool ReadString(std::string& s, std::uint32_t count);
    virtual bool WriteString(const char* s);
    // The buffer forms copy at most size - 1 bytes and terminate them.
    virtual bool ReadString(char* buffer, std::size_t size, const std::string& terminator, bool strip);
    virtual bool ReadString(char* buffer, std::size_t size, std::uint32_t count);
    virtual bool WriteChar(char c);
    virtual bool ReadChar(char& c);
    virtual bool StopWriting();
    virtual bool StopReading();
    virtual bool ClearBuffer();
    virtual bool ClearReadBuffer();
    virtual bool ClearWriteBuffer();
    virtual bool SendControlChar(char c);
    virtual bool SendControlFlag(std::uint32_t f);

    bool ShowErrorMsg = true;
    int OverlapWriteAnz = -1;
    int OverlapReadAnz = -1;
    bool doProMes = true;

    TErrorEvent OnError;
    TNotifyEvent OnOpen, OnClose, OnWriten, OnReaded;
    TIoEvent OnTimeout, OnOverlap, OnStopped;

    // One pass of the application's event loop while a transfer waits; Qt's
    // by default.
    std::function<void()> EventPass;

    // The device a port name stands for; empty when the name names none.
    static std::string devicePath(const std::string& name);

private:
    struct Timeouts {
        int readInterval = 0, readMultiplier = 0, readConstant = 0, writeMultiplier = 0, writeConstant = 0;
    };
    struct Counters {
        int frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
    };

    veltrane::port::LineSettings lineSettings() const;
    void fail(const std::string& title, int error);
    void readErrors(std::uint32_t& errors, TComStat& status);
    // 0, the errno of the failing call, or -1 for a hang-up.
    int readPass(char* buffer, std::size_t want, std::size_t& got);
    int writePass(const char* data, std::size_t len, std::size_t& sent);
    void pump();

    enum class Outcome { Done, Failed, Stopped, TimedOut, Gone };
    // The passes of one transfer; pass reports whether all is through.
    Outcome transfer(int ioDir, int limit, bool& busy, bool& stop, const std::function<int(bool&)>& pass, int& error);
    // The events after a transfer; false when it did not complete.
    bool finish(Outcome outcome, int ioDir, int error, const char* failTitle);

    TPortSettings settings_;
    char xon_ = 17;
    char xoff_ = 19;
    int timeout_ = 100;

    int fd_ = -1;
    bool open_ = false;
    bool reading_ = false, writing_ = false;
    bool stopReading_ = false, stopWriting_ = false;
    bool savedValid_ = false;
    veltrane::port::LineState saved_, working_;
    Timeouts timeouts_;
    Counters counters_;
    int pendingError_ = 0;
    // Cleared by the destructor: a transfer whose event pass destroyed the
    // component must not touch it again.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::unique_ptr<TPortDlg> dlg_;
};

#pragma once
// The settings of a port, apart from the port: the settings dialog edits a
// copy of them and needs nothing else of the port.

#include <cstdint>
#include <string>

enum TBaudRate : unsigned char {
    Baud_110, Baud_300, Baud_600, Baud_1200, Baud_2400, Baud_4800, Baud_9600, Baud_14400,
    Baud_19200, Baud_38400, Baud_56000, Baud_57600, Baud_115200, Baud_128000, Baud_256000, Baud_USER
};
enum TDataBits : unsigned char { Data_4, Data_5, Data_6, Data_7, Data_8 };
enum class TParity : unsigned char { NONE, ODD, EVEN, MARK, SPACE };
enum TStopBits : unsigned char { STOP_1, STOP_15, STOP_2 };
enum class TProtokoll : unsigned char { KEIN, XONXOFF, HARDWARE };
enum class TPortArt : unsigned char { COM, LPT, LPTCOM, EXTERN };

// The settings the dialog edits.
struct TPortSettings {
    TPortArt PortArt = TPortArt::COM;
    std::string ComPort = "COM2";
    TBaudRate BaudRate = Baud_9600;
    std::uint32_t UserBaudRate = 9600;
    TDataBits DataBits = Data_8;
    TParity Parity = TParity::NONE;
    TStopBits StopBits = STOP_1;
    TProtokoll Protokoll = TProtokoll::KEIN;
};

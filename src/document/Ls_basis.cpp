#include "document/Ls_basis.h"

#include <bit>
#include <charconv>
#include <cstring>

#include "platform/StreamError.h"
#include "platform/CFormat.h"

using veltrane::EStreamError;

namespace {

void encodeLE(std::uint64_t v, std::uint8_t* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = std::uint8_t(v >> (8 * i));
}

std::uint64_t decodeLE(const std::uint8_t* in, int n)
{
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= std::uint64_t(in[i]) << (8 * i);
    return v;
}

// Text up to the first NUL of a fixed-size field.
std::string textOf(const char* bytes, std::size_t n)
{
    return std::string(bytes, strnlen(bytes, n));
}

}  // namespace

void TLS_Basis::RWBuffer(void* buffer, std::size_t n, int dir)
{
    if (dir == DirRead)
        In->read(buffer, n);
    else
        Out->write(buffer, n);
}

void TLS_Basis::RWBlock(std::uint8_t* field, int width, int dir)
{
    std::int32_t length = width;
    RWInt(length, dir);
    if (dir == DirRead) {
        std::memset(field, 0, std::size_t(width));
        if (length != width)
            throw EStreamError("Read error: a block of " + std::to_string(length) +
                               " bytes where the field holds " + std::to_string(width) + ".");
    }
    RWBuffer(field, std::size_t(width), dir);
}

void TLS_Basis::RWInt(std::int32_t& v, int dir)
{
    std::uint8_t b[4];
    if (dir == DirRead) {
        RWBuffer(b, 4, dir);
        v = std::int32_t(std::uint32_t(decodeLE(b, 4)));
    } else {
        encodeLE(std::uint32_t(v), b, 4);
        RWBuffer(b, 4, dir);
    }
}

void TLS_Basis::RWDouble(double& v, int dir)
{
    std::uint8_t b[8];
    if (dir == DirRead) {
        RWBuffer(b, 8, dir);
        v = std::bit_cast<double>(decodeLE(b, 8));
    } else {
        encodeLE(std::bit_cast<std::uint64_t>(v), b, 8);
        RWBuffer(b, 8, dir);
    }
}

void TLS_Basis::RWComplex(Complex& v, int dir)
{
    double re = v.real(), im = v.imag();
    RWDouble(re, dir);
    RWDouble(im, dir);
    if (dir == DirRead)
        v = Complex(re, im);
}

void TLS_Basis::RWString(std::string& v, const TTextField& field, int dir)
{
    if (dir == DirRead) {
        std::int32_t length = 0;
        RWInt(length, dir);
        if (length < 0 || length > MaxFileStringLength)
            throw EStreamError("Read error: a text of " + std::to_string(length) +
                               " characters; at most 255 are allowed.");
        char buffer[MaxFileStringLength + 1];
        RWBuffer(buffer, std::size_t(length) + 1, dir);
        v = FileStringText(std::string(buffer, std::size_t(length)));
    } else {
        bool cut = false;
        std::string bytes = FileStringBytes(v, &cut);
        if (TextChanges)
            if (std::string back = FileStringText(bytes); back != v)
                TextChanges->push_back({field.Label(), v, std::move(back), cut});
        std::int32_t length = std::int32_t(bytes.size());
        RWInt(length, dir);
        bytes.push_back('\0');
        RWBuffer(bytes.data(), bytes.size(), dir);
    }
}

void TLS_Basis::RWBool(std::uint8_t& v, int dir)
{
    RWBuffer(&v, 1, dir);
}

void TLS_Basis::RWIntText(std::int32_t& v, int dir)
{
    char text[5] = {};
    if (dir == DirRead) {
        RWBuffer(text, 5, dir);
        const std::string s = textOf(text, 5);
        std::int32_t value = 0;
        auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        if (s.empty() || ec != std::errc() || end != s.data() + s.size())
            throw EStreamError("Read error: \"" + s + "\" is not a field width.");
        v = value;
    } else {
        const std::string s = veltrane::cfmt('.', "%04d", v);
        std::memcpy(text, s.data(), std::min<std::size_t>(s.size(), 4));
        RWBuffer(text, 5, dir);
    }
}

void TLS_Basis::RWEnumBlock(std::int32_t& v, int dir)
{
    std::uint8_t b[4];
    encodeLE(std::uint32_t(v), b, 4);
    RWBlock(b, 4, dir);
    if (dir == DirRead)
        v = std::int32_t(std::uint32_t(decodeLE(b, 4)));
}

void TLS_Basis::RWEnumByte(std::int32_t& v, int dir)
{
    std::uint8_t low = std::uint8_t(v);
    RWBuffer(&low, 1, dir);
    if (dir == DirRead)
        v = low;
}

std::string TLS_Basis::RWMagic(std::string& magic, int dir)
{
    char bytes[4] = {};
    if (dir != DirRead)
        std::memcpy(bytes, magic.data(), std::min<std::size_t>(magic.size(), 3));
    RWBuffer(bytes, 4, dir);
    if (dir == DirRead)
        magic = textOf(bytes, 4);
    return magic;
}

double TLS_Basis::RWVersion(std::string& text, int dir)
{
    char bytes[6] = {};
    if (dir != DirRead)
        std::memcpy(bytes, text.data(), std::min<std::size_t>(text.size(), 5));
    RWBuffer(bytes, 6, dir);
    // Five characters and a NUL: the byte after the text is not part of it.
    if (dir == DirRead)
        text = textOf(bytes, 5);
    return VersionNumber(text);
}

void TLS_Basis::ReadOldHeader(double& first, double& second)
{
    RWDouble(first, DirRead);
    RWDouble(second, DirRead);
}

void TLS_Basis::RWSizeHeader(int dir)
{
    IntSize = 4;
    DoubleSize = 8;
    BoolSize = 1;
    std::int32_t sizes[3] = {IntSize, DoubleSize, BoolSize};
    for (std::int32_t& s : sizes)
        RWIntText(s, dir);
    // Only the widths this reader was built for can be read field by field.
    if (dir == DirRead && (sizes[0] != 4 || sizes[1] != 8 || sizes[2] != 1))
        throw EStreamError("Read error: field widths " + std::to_string(sizes[0]) + ", " +
                           std::to_string(sizes[1]) + ", " + std::to_string(sizes[2]) +
                           " are not supported.");
    IntSize = sizes[0];
    DoubleSize = sizes[1];
    BoolSize = sizes[2];
}

void TLS_Basis::CheckCount(std::int32_t n, std::size_t itemBytes, const char* what) const
{
    if (n < 0)
        throw EStreamError(std::string("Read error: negative number of ") + what + ".");
    if (std::uint64_t(n) * itemBytes > In->remaining())
        throw EStreamError("Read error: " + std::to_string(n) + " " + what +
                           " do not fit into the rest of the file.");
}

double VersionNumber(const std::string& text)
{
    double v = 0.0;
    if (!veltrane::parseDouble(text, '.', v))
        return 0.0;
    return v;
}

void TLS_Basis::RWOptions(TOptionpara& o, int dir)
{
    RWDouble(o.Epsrealstep, dir);
    RWDouble(o.Epsimagstep, dir);
    RWDouble(o.Dickestep, dir);
    RWDouble(o.ScanShiftstep, dir);
    RWDouble(o.ScanScalestep, dir);
    RWBool(o.Simbreite, dir);
    RWDouble(o.Iteranz, dir);
    RWDouble(o.Itergrenz, dir);
}

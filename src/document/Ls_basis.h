#pragma once
// The archiver base of the document file. Every field is moved by one
// routine that reads (direction 0) or writes (any other direction), so that
// reading and writing can never disagree about the order of fields. Fields
// are encoded one by one, little-endian, without padding.

#include <cstdint>
#include <string>

#include "document/ByteReader.h"
#include "document/FileTextChanges.h"
#include "document/Records.h"
#include "platform/ByteSink.h"

constexpr int DirRead = 0;
constexpr int DirWrite = 1;

// A document string holds at most this many characters in the file.
constexpr int MaxFileStringLength = 255;

// What the versions' scan records differ in: version 2.00 stores the kind in
// one byte and has no visible flag; versions 3.x store the kind as a block of
// four bytes and the visible flag before the points.
enum class TScanForm { V200, V300 };

class TLS_Basis {
public:
    TLS_Basis() = default;
    virtual ~TLS_Basis() = default;
    TLS_Basis(const TLS_Basis&) = delete;
    TLS_Basis& operator=(const TLS_Basis&) = delete;

    std::int32_t IntSize = 4;
    std::int32_t DoubleSize = 8;
    std::int32_t BoolSize = 1;

    void RWBuffer(void* buffer, std::size_t n, int dir);
    // A length that must equal the field's width, then the field's bytes.
    void RWBlock(std::uint8_t* field, int width, int dir);
    void RWInt(std::int32_t& v, int dir);
    void RWDouble(double& v, int dir);
    void RWComplex(Complex& v, int dir);
    // Windows-1252 in the file, UTF-8 in memory; at most 255 characters.
    // The field names the text to the user when writing would change it.
    void RWString(std::string& v, const TTextField& field, int dir);
    void RWBool(std::uint8_t& v, int dir);
    void RWIntText(std::int32_t& v, int dir);
    // Enumerations of versions 3.x: a block of four bytes.
    void RWEnumBlock(std::int32_t& v, int dir);
    // Enumerations of version 2.00: one byte, read into the cleared value.
    void RWEnumByte(std::int32_t& v, int dir);
    // The options block, laid out alike in every version.
    void RWOptions(TOptionpara& o, int dir);
    std::string RWMagic(std::string& magic, int dir);
    double RWVersion(std::string& text, int dir);
    void ReadOldHeader(double& first, double& second);
    void RWSizeHeader(int dir);

    // The curves and scans, one routine each for every version. A list is
    // its count, then its items; reading appends to the list, and every
    // count is checked against the bytes left before anything is allocated.
    void RWResColList(TResColList& list, int dir);
    // number: the curve's or scan's place in its list, from 1.
    void RWResColrec(TResColrec& c, int number, int dir);
    void RWResPunkt(TResPunkt& p, int dir);
    void RWScanColList(TScanColList& list, TScanForm form, int dir);
    void RWScanColrec(TScanColrec& s, TScanForm form, int number, int dir);
    void RWScanPoints(TScanColrec& s, int dir);
    void RWScanPunkt(TScanPunkt& p, int dir);

    // Raises unless n items of at least itemBytes each fit into what is
    // left of the file: a damaged count never allocates without bound.
    void CheckCount(std::int32_t n, std::size_t itemBytes, const char* what) const;

    // While set, every text written that would not come back from the file
    // as it is goes here.
    std::vector<TFileTextChange>* TextChanges = nullptr;

protected:
    // The stream of the running read or write; none between calls.
    veltrane::ByteReader* In = nullptr;
    veltrane::ByteSink* Out = nullptr;

    struct StreamScope {
        StreamScope(TLS_Basis& a, veltrane::ByteReader* in, veltrane::ByteSink* out) : a_(a)
        {
            a_.In = in;
            a_.Out = out;
        }
        ~StreamScope() { a_.In = nullptr; a_.Out = nullptr; }
        TLS_Basis& a_;
    };
};

// Version text (5 characters) to its number; 0.0 when it is not a number.
double VersionNumber(const std::string& text);

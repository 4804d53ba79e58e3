#include "document/DocumentFile.h"

#include <bit>
#include <cstring>
#include <string_view>

#include "document/ByteReader.h"
#include "platform/FileReplaceSink.h"
#include "document/Ls_v200.h"
#include "document/Ls_v302.h"
#include "platform/Platform.h"
#include "platform/StreamError.h"

namespace {

constexpr std::size_t kMagicBytes = 4;
// The version text is 5 characters and a NUL; only the characters count.
constexpr std::size_t kVersionBytes = 6;
constexpr std::size_t kVersionChars = 5;
constexpr std::size_t kOldHeaderBytes = 8;

int loadFromBytes(std::span<const std::uint8_t> bytes, TDocumentrec& doc, std::string& versionText)
{
    const int version = DetectDocumentVersion(bytes);
    veltrane::ByteReader in(bytes);
    switch (version) {
    case 302: {
        V302::TLS_V302 v302;
        v302.FromDocument(doc);
        v302.ReadFile(in, versionText);
        v302.ToDocument(doc);
        return lsOk;
    }
    case 300: {
        V300::TLS_V300 v300;
        v300.FromDocument(doc);
        v300.ReadFile(in, versionText);
        V302::TLS_V302 v302;
        v302.ConvertFromV300(v300);
        v302.ToDocument(doc);
        return v302.Status;
    }
    case 200: {
        V300::TLS_V300 v300;
        v300.FromDocument(doc);
        V200::TLS_V200 v200;
        v200.ReadFile(in, versionText);
        v300.ConvertFromV200(v200);
        V302::TLS_V302 v302;
        v302.ConvertFromV300(v300);
        v302.ToDocument(doc);
        return v300.Status | v302.Status;
    }
    default:
        return version;
    }
}

// "Read error: 401 points do not fit ..." becomes "Read error in file
// "<path>": 401 points do not fit ...", the way the reading of the bytes
// names its file.
std::string inFile(const std::string& path, std::string_view what)
{
    constexpr std::string_view readError = "Read error: ";
    if (what.substr(0, readError.size()) == readError)
        what.remove_prefix(readError.size());
    return "Read error in file \"" + path + "\": " + std::string(what);
}

template <typename Action>
int runShowingErrors(Action action)
{
    try {
        return action();
    } catch (const std::exception& e) {
        veltrane::showError("I/O Error", e.what());
    } catch (...) {
        veltrane::showError("I/O Error", "");
    }
    return lsError;
}

}  // namespace

int DetectDocumentVersion(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() >= kMagicBytes && std::memcmp(bytes.data(), "VTN\0", kMagicBytes) == 0) {
        if (bytes.size() < kMagicBytes + kVersionBytes)
            return lsNoDocument;
        char text[kVersionChars];
        std::memcpy(text, bytes.data() + kMagicBytes, kVersionChars);
        const double number = VersionNumber(std::string(text, strnlen(text, kVersionChars)));
        if (number == 3.02)
            return 302;
        if (number == 3.0)
            return 300;
        return lsWrongVersion;
    }
    if (bytes.size() < kOldHeaderBytes)
        return lsNoDocument;
    std::uint64_t raw = 0;
    for (std::size_t i = 0; i < kOldHeaderBytes; ++i)
        raw |= std::uint64_t(bytes[i]) << (8 * i);
    const double first = std::bit_cast<double>(raw);
    if (first == 2.0)
        return 200;
    if (first == 1.0)
        return lsWrongVersion;
    return lsNoDocument;
}

int DetectDocumentVersion(const std::string& path)
{
    return DetectDocumentVersion(veltrane::readWholeFile(path));
}

int LoadDocument(const std::string& path, TDocumentrec& doc, const std::string& versionText)
{
    return runShowingErrors([&] {
        const std::vector<std::uint8_t> bytes = veltrane::readWholeFile(path);
        std::string version = versionText;
        try {
            return loadFromBytes(bytes, doc, version);
        } catch (const veltrane::EStreamError& e) {
            // The reader speaks of points and blocks, not of the file: the
            // box must say which file it means.
            throw veltrane::EStreamError(inFile(path, e.what()));
        }
    });
}

int SaveDocument(const std::string& path, const TDocumentrec& doc, const std::string& versionText)
{
    return veltrane::SaveDocument(path, doc, versionText, {});
}

namespace veltrane {

int LoadDocumentFromBytes(std::span<const std::uint8_t> bytes, TDocumentrec& doc,
                          const std::string& versionText)
{
    return runShowingErrors([&] {
        std::string version = versionText;
        return loadFromBytes(bytes, doc, version);
    });
}

void WriteDocument(ByteSink& out, const TDocumentrec& doc, const std::string& versionText,
                   std::vector<TFileTextChange>* changes)
{
    V302::TLS_V302 v302;
    v302.FromRecords(doc);
    v302.TextChanges = changes;
    v302.WriteFile(out, versionText, *doc.ResColList, *doc.ScanColList);
}

int SaveDocument(const std::string& path, const TDocumentrec& doc, const std::string& versionText,
                 const SinkFilter& filter)
{
    return runShowingErrors([&] {
        FileReplaceSink file(path);
        std::unique_ptr<ByteSink> wrapped = filter ? filter(file) : nullptr;
        ByteSink& out = wrapped ? *wrapped : file;
        WriteDocument(out, doc, versionText);
        out.finish();
        return int(lsOk);
    });
}

}  // namespace veltrane

#pragma once
// Opening and saving documents. Versions 3.02, 3.00 and 2.00 are read (the
// older ones converted), 3.02 is written. Both entry points show their own
// "I/O Error" box and return -1 when the file cannot be read or written.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "document/FileTextChanges.h"
#include "document/Records.h"
#include "platform/ByteSink.h"

// Results of LoadDocument; any positive result other than 1 and 2 is the OR
// of the conversion warning bits.
enum TLoadStatus : int {
    lsOk = 0,
    lsNoDocument = 1,
    lsWrongVersion = 2,
    lsRotationDropped = 4,
    lsXRotationReset = 8,
    lsZRotationReset = 16,
    lsXWavelengthReset = 32,
    lsZWavelengthReset = 64,
    lsError = -1
};

// 302, 300 or 200 for a readable version; 2 for a wrong version (our magic
// with another version text, or a 1.0 file); 1 for anything else, including
// files too short to tell.
int DetectDocumentVersion(const std::string& path);
int DetectDocumentVersion(std::span<const std::uint8_t> bytes);

// Reads, converts and only then copies into the document: a load that fails
// leaves the document as it was. versionText is not changed.
int LoadDocument(const std::string& path, TDocumentrec& doc, const std::string& versionText);

// Writes a new file beside the target and renames it over the target when
// every byte is on disk; on failure the previous file stays as it was.
int SaveDocument(const std::string& path, const TDocumentrec& doc, const std::string& versionText);

namespace veltrane {

// LoadDocument on bytes already in memory.
int LoadDocumentFromBytes(std::span<const std::uint8_t> bytes, TDocumentrec& doc,
                          const std::string& versionText);

// The document in version 3.02 into any sink (without finish()): the one
// writer of a save and of the dry run before it, so that the dry run names
// exactly the texts the file changes. With changes given, every text that
// would not come back from the file as it is goes there.
void WriteDocument(ByteSink& out, const TDocumentrec& doc, const std::string& versionText,
                   std::vector<TFileTextChange>* changes = nullptr);

// SaveDocument with the file's sink wrapped, so that tests can make a write
// or the final flush fail.
using SinkFilter = std::function<std::unique_ptr<ByteSink>(ByteSink& file)>;
int SaveDocument(const std::string& path, const TDocumentrec& doc, const std::string& versionText,
                 const SinkFilter& filter);

}  // namespace veltrane

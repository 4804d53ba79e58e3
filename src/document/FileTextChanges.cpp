#include "document/FileTextChanges.h"

#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "document/Ls_basis.h"
#include "platform/Cp1252.h"

namespace {

// Takes the bytes of a dry run and keeps none.
class DiscardSink final : public veltrane::ByteSink {
public:
    void write(const void*, std::size_t) override {}
    void finish() override {}
};

}  // namespace

std::string TTextField::Label() const
{
    std::string label = Name;
    if (Number > 0)
        label.append(1, ' ').append(std::to_string(Number));
    if (Part)
        label.append(1, ' ').append(Part);
    return label;
}

std::vector<TFileTextChange> FileTextChanges(const TDocumentrec& doc)
{
    std::vector<TFileTextChange> changes;
    DiscardSink nothing;
    veltrane::WriteDocument(nothing, doc, FileVersionText, &changes);
    return changes;
}

std::string FileStringBytes(const std::string& text, bool* cut)
{
    std::string bytes = veltrane::utf8ToCp1252(text);
    const bool tooLong = bytes.size() > std::size_t(MaxFileStringLength);
    if (tooLong)
        bytes.resize(MaxFileStringLength);
    if (cut)
        *cut = tooLong;
    return bytes;
}

std::string FileStringText(const std::string& bytes)
{
    // The reader takes the text up to its first NUL.
    return veltrane::cp1252ToUtf8(std::string_view(bytes).substr(0, bytes.find('\0')));
}

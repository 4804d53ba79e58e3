#include "document/FileTextChanges.h"

#include "document/Ls_v302.h"
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
    // The records are copied as a save copies them; the curves and scans,
    // which may hold millions of points, are walked where they are.
    TResColList noCurves;
    TScanColList noScans;
    TDocumentrec records = doc;
    records.ResColList = &noCurves;
    records.ScanColList = &noScans;
    V302::TLS_V302 writer;
    writer.FromDocument(records);

    std::vector<TFileTextChange> changes;
    writer.TextChanges = &changes;
    DiscardSink nothing;
    writer.WriteBody(nothing, *doc.ResColList, *doc.ScanColList);
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

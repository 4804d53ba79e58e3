#include "gui/main/plain/TextChangesQuestion.h"

#include "platform/Cp1252.h"
#include "platform/Platform.h"

namespace {

// More fields than this are summed up in one line: a document of a hundred
// curves must not give a box taller than the screen.
constexpr std::size_t kMaxListed = 10;
// A text longer than this is shown by its start and its end, where a cut
// path shows where it stops.
constexpr std::size_t kMaxShown = 70;
constexpr std::size_t kHeadShown = 25;
constexpr std::size_t kTailShown = 40;

// The stored text is made of Windows-1252 characters, so its bytes in the
// code page count and cut characters, never halves of one.
std::string shown(const std::string& stored)
{
    const std::string bytes = veltrane::utf8ToCp1252(stored);
    if (bytes.size() <= kMaxShown)
        return stored;
    return veltrane::cp1252ToUtf8(bytes.substr(0, kHeadShown)) + "..." +
           veltrane::cp1252ToUtf8(bytes.substr(bytes.size() - kTailShown));
}

}  // namespace

std::string TextChangesQuestion(const std::vector<TFileTextChange>& changes)
{
    std::string text = "A Veltrane-File holds texts in Windows-1252 of at most 255 characters.\n"
                       "After saving, these texts will read:\n";
    for (std::size_t i = 0; i < changes.size() && i < kMaxListed; ++i) {
        const TFileTextChange& c = changes[i];
        text += "\n" + c.Field + ": \"" + shown(c.Stored) + "\"";
        if (c.Cut)
            text += " (cut to 255 characters)";
    }
    if (changes.size() > kMaxListed)
        text += "\nand " + std::to_string(changes.size() - kMaxListed) + " more texts";
    return text + "\n\nSave anyway?";
}

bool AgreeToTextChanges(const TDocumentrec& doc)
{
    const std::vector<TFileTextChange> changes = FileTextChanges(doc);
    if (changes.empty())
        return true;
    const veltrane::MessageRequest question{veltrane::BoxKind::Warning, "Warning", TextChangesQuestion(changes),
                                            veltrane::BoxButtons::OkCancel, veltrane::BoxIcon::Warning};
    return veltrane::platform().message(question) == veltrane::BoxAnswer::Ok;
}

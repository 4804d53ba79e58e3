#include "platform/Platform.h"

#include <utility>

namespace veltrane {
namespace {

class SilentPlatform final : public Platform {
public:
    BoxAnswer message(const MessageRequest& r) override
    {
        switch (r.buttons) {
        case BoxButtons::Ok: return BoxAnswer::Ok;
        case BoxButtons::OkCancel: return BoxAnswer::Ok;
        case BoxButtons::YesNo: return BoxAnswer::Yes;
        case BoxButtons::YesNoCancel: return BoxAnswer::Cancel;
        }
        return BoxAnswer::Cancel;
    }
    std::vector<std::string> chooseOpenFiles(const OpenFileRequest&) override { return {}; }
    std::optional<std::string> chooseSaveFile(const SaveFileRequest&) override { return std::nullopt; }
    void showHelp(const std::string&) override {}
    void beep() override {}
    std::string dateText() override { return {}; }
    std::string dateTimeText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    char decimalSeparator() const override { return '.'; }
};

SilentPlatform silent;
Platform* current = &silent;

BoxAnswer box(BoxKind kind, BoxIcon icon, BoxButtons buttons, const std::string& caption,
              const std::string& text)
{
    return platform().message(MessageRequest{kind, caption, text, buttons, icon});
}

}  // namespace

Platform& platform() { return *current; }

void installPlatform(Platform* p) { current = p ? p : &silent; }

ScopedPlatform::ScopedPlatform(Platform& p) : previous_(current) { installPlatform(&p); }
ScopedPlatform::~ScopedPlatform() { installPlatform(previous_); }

SaveFileRequest saveFileRequest(std::string title, std::string filter, std::string defaultExt, std::string fileName)
{
    SaveFileRequest r;
    r.title = std::move(title);
    r.filter = std::move(filter);
    r.defaultExt = std::move(defaultExt);
    r.fileName = std::move(fileName);
    r.promptOverwrite = true;
    return r;
}

void showError(const std::string& caption, const std::string& text)
{
    box(BoxKind::Error, BoxIcon::Stop, BoxButtons::Ok, caption, text);
}

void showWarning(const std::string& caption, const std::string& text)
{
    box(BoxKind::Warning, BoxIcon::Warning, BoxButtons::Ok, caption, text);
}

void showInformation(const std::string& caption, const std::string& text)
{
    box(BoxKind::Information, BoxIcon::Information, BoxButtons::Ok, caption, text);
}

void showMessage(const std::string& text)
{
    box(BoxKind::Information, BoxIcon::None, BoxButtons::Ok, "Veltrane", text);
}

BoxAnswer askYesNo(const std::string& caption, const std::string& text)
{
    return box(BoxKind::Confirmation, BoxIcon::Question, BoxButtons::YesNo, caption, text);
}

BoxAnswer askYesNoCancel(const std::string& caption, const std::string& text)
{
    return box(BoxKind::Question, BoxIcon::Question, BoxButtons::YesNoCancel, caption, text);
}

}  // namespace veltrane

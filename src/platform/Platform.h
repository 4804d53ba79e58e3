#pragma once
// The one seam between Veltrane and the desktop it runs on. Message boxes,
// file choosers, help, sounds, the clock and the clipboard text go through
// this interface; the GUI implements it with Qt, the tests answer from a
// script. Core code never talks to the user in any other way.

#include <optional>
#include <string>
#include <vector>

namespace veltrane {

enum class BoxKind { Error, Warning, Information, Question, Confirmation };
enum class BoxButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class BoxIcon { None, Stop, Warning, Information, Question };
enum class BoxAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
    BoxKind kind = BoxKind::Information;
    std::string caption;
    std::string text;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
};

// Filters are one plain string of "Description (*.ext)|*.ext|..." pairs: the
// seam carries no Qt types, and the Qt side translates them. The default
// extension is appended by the rule of withDefaultSuffix (DefaultSuffix.h):
// only to a name that has none and does not exist.
struct OpenFileRequest {
    std::string title;
    std::string filter;
    std::string defaultExt;  // without the dot
    std::string initialDir;
    std::string fileName;
    // Several files at once. Every name chosen or typed then comes back,
    // whether a file of that name exists or not: the caller names those it
    // cannot read. A chooser of one file returns only a file that exists.
    bool multiSelect = false;
};

struct SaveFileRequest {
    std::string title;
    std::string filter;
    std::string defaultExt;  // without the dot
    std::string initialDir;
    std::string fileName;
    bool promptOverwrite = true;
};

// The request every save chooser of the program makes: it asks before
// overwriting and starts in the chooser's own folder, with the proposed
// name when there is one.
SaveFileRequest saveFileRequest(std::string title, std::string filter, std::string defaultExt,
                                std::string fileName = {});

class Platform {
public:
    virtual ~Platform() = default;

    virtual BoxAnswer message(const MessageRequest& request) = 0;
    // Empty when the user cancelled.
    virtual std::vector<std::string> chooseOpenFiles(const OpenFileRequest& request) = 0;
    virtual std::optional<std::string> chooseSaveFile(const SaveFileRequest& request) = 0;

    virtual void showHelp(const std::string& keyword) = 0;
    virtual void beep() = 0;
    // The locale's short date, and date with time, as the user reads them.
    virtual std::string dateText() = 0;
    virtual std::string dateTimeText() = 0;
    virtual void setClipboardText(const std::string& utf8) = 0;
    // The system's decimal separator, for numbers written to files, reports
    // and the clipboard.
    virtual char decimalSeparator() const = 0;
};

// The platform in use. Until one is installed a silent platform answers
// every box with its default button and chooses no file.
Platform& platform();
void installPlatform(Platform* p);

// Installs a platform for the lifetime of the object and restores the
// previous one afterwards.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& p);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* previous_;
};

// Convenience forms of the boxes the program shows most.
void showError(const std::string& caption, const std::string& text);
void showWarning(const std::string& caption, const std::string& text);
void showInformation(const std::string& caption, const std::string& text);
// A plain message: the application's title as caption, no icon.
void showMessage(const std::string& text);
BoxAnswer askYesNo(const std::string& caption, const std::string& text);
BoxAnswer askYesNoCancel(const std::string& caption, const std::string& text);

}  // namespace veltrane

#pragma once
// A platform for tests: records every box, file request, help keyword and
// clipboard text in order and answers from queues.

#include <deque>

#include "platform/Platform.h"

namespace veltrane {

class ScriptedPlatform : public Platform {
public:
    struct Box {
        BoxKind kind;
        std::string caption;
        std::string text;
        BoxButtons buttons;
        BoxIcon icon;
    };

    BoxAnswer message(const MessageRequest& request) override;
    // The texts of the boxes shown so far, in order.
    std::vector<std::string> boxTexts() const;
    std::vector<std::string> chooseOpenFiles(const OpenFileRequest& request) override;
    std::optional<std::string> chooseSaveFile(const SaveFileRequest& request) override;
    void showHelp(const std::string& keyword) override { helpKeywords.push_back(keyword); }
    void beep() override { ++beeps; }
    std::string dateText() override { return date; }
    std::string dateTimeText() override { return dateTime; }
    void setClipboardText(const std::string& utf8) override { clipboardText = utf8; }
    char decimalSeparator() const override { return separator; }

    // Answers for the next boxes; an empty queue answers Ok, Yes or Cancel
    // as the silent platform does.
    std::deque<BoxAnswer> answers;
    std::deque<std::vector<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;

    std::vector<Box> boxes;
    std::vector<OpenFileRequest> openRequests;
    std::vector<SaveFileRequest> saveRequests;
    std::vector<std::string> helpKeywords;
    std::string clipboardText;
    int beeps = 0;
    char separator = '.';
    std::string date = "07.12.2026";
    std::string dateTime = "07.12.2026 08:00:00";
};

}  // namespace veltrane

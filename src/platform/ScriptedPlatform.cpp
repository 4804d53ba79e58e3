#include "platform/ScriptedPlatform.h"

namespace veltrane {

BoxAnswer ScriptedPlatform::message(const MessageRequest& r)
{
    boxes.push_back(Box{r.kind, r.caption, r.text, r.buttons, r.icon});
    if (!answers.empty()) {
        BoxAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (r.buttons) {
    case BoxButtons::Ok:
    case BoxButtons::OkCancel: return BoxAnswer::Ok;
    case BoxButtons::YesNo: return BoxAnswer::Yes;
    case BoxButtons::YesNoCancel: return BoxAnswer::Cancel;
    }
    return BoxAnswer::Cancel;
}

std::vector<std::string> ScriptedPlatform::chooseOpenFiles(const OpenFileRequest& r)
{
    openRequests.push_back(r);
    if (openAnswers.empty())
        return {};
    auto a = std::move(openAnswers.front());
    openAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedPlatform::chooseSaveFile(const SaveFileRequest& r)
{
    saveRequests.push_back(r);
    if (saveAnswers.empty())
        return std::nullopt;
    auto a = std::move(saveAnswers.front());
    saveAnswers.pop_front();
    return a;
}

std::vector<std::string> ScriptedPlatform::boxTexts() const
{
    std::vector<std::string> t;
    for (const Box& b : boxes)
        t.push_back(b.text);
    return t;
}

}  // namespace veltrane

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"

using namespace veltrane;

TEST(ScriptedPlatform, RecordsBoxesInOrderAndAnswersFromTheQueue)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    script.answers = {BoxAnswer::Ok, BoxAnswer::No, BoxAnswer::Cancel};

    showError("I/O Error", "Cannot read file");
    EXPECT_EQ(askYesNoCancel("Question", "Save file?"), BoxAnswer::No);
    EXPECT_EQ(askYesNo("Exit", "Really?"), BoxAnswer::Cancel);
    // An empty queue answers with the default button.
    EXPECT_EQ(askYesNo("Exit", "Again?"), BoxAnswer::Yes);

    ASSERT_EQ(script.boxes.size(), 4u);
    EXPECT_EQ(script.boxes[0].caption, "I/O Error");
    EXPECT_EQ(script.boxes[0].text, "Cannot read file");
    EXPECT_EQ(script.boxes[0].icon, BoxIcon::Stop);
    EXPECT_EQ(script.boxes[1].icon, BoxIcon::Question);
    EXPECT_EQ(script.boxes[1].buttons, BoxButtons::YesNoCancel);
    EXPECT_EQ(script.boxes[3].text, "Again?");
}

TEST(ScriptedPlatform, FileChoosersAndScopeRestoreThePreviousPlatform)
{
    ScriptedPlatform outer, inner;
    ScopedPlatform useOuter(outer);
    {
        ScopedPlatform useInner(inner);
        inner.saveAnswers.push_back(std::string("/home/u/a.vtn"));
        EXPECT_EQ(platform().chooseSaveFile({"Save", "Veltrane (*.vtn)|*.vtn", "vtn"}), "/home/u/a.vtn");
        EXPECT_FALSE(platform().chooseSaveFile({}).has_value());
        EXPECT_TRUE(platform().chooseOpenFiles({}).empty());
        ASSERT_EQ(inner.saveRequests.size(), 2u);
        EXPECT_EQ(inner.saveRequests[0].defaultExt, "vtn");
    }
    showInformation("Info", "x");
    EXPECT_EQ(outer.boxes.size(), 1u);
    EXPECT_TRUE(inner.boxes.empty());
}

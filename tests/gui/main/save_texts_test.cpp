// A save that would change texts of the document asks first, in the real
// main window.
#include <filesystem>
#include <fstream>

#include "MainFormFixture.h"

using veltrane::BoxAnswer;

TEST_F(MainWindowTest, ATitleTheFileCannotHoldIsNeverChangedWithoutABox)
{
    auto content = [this] {
        std::ifstream in(path("a.vtn"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    script.saveAnswers.push_back(path("a.vtn"));
    trigger("FileSaveItem");
    const std::string before = content();
    form.Plot().SetTitle("Au – Δθ µm");
    form.DocumentFlow().Modified = true;

    // Exit's "Save file?" Yes, then Cancel at the box: the file as it was,
    // the window open, the document still modified.
    form.show();
    script.answers = {BoxAnswer::Yes, BoxAnswer::Cancel};
    trigger("FileExitItem");
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].caption, "Warning");
    EXPECT_NE(script.boxes[1].text.find("\nPlot-Title: \"Au – ?? µm\"\n"), std::string::npos) << script.boxes[1].text;
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(content(), before);
    EXPECT_TRUE(form.DocumentFlow().Modified);

    // Save: the box first, then OK writes.
    script.answers = {BoxAnswer::Ok};
    trigger("FileSaveItem");
    EXPECT_EQ(script.boxes.size(), 3u);
    EXPECT_NE(content(), before);
    EXPECT_FALSE(form.DocumentFlow().Modified);
}

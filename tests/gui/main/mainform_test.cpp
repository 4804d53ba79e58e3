#include <gtest/gtest.h>

#include "gui/main/MainForm.h"

TEST(MainForm, CaptionNamesVersionAndDocument)
{
    TMainForm form;
    EXPECT_EQ(form.windowTitle().toStdString(), "Veltrane Version 3.02 [untitled]");
    EXPECT_EQ(TMainForm::MakeTitletext("/tmp/a.vtn"), "Veltrane Version 3.02 [/tmp/a.vtn]");
}

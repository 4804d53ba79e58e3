#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "platform/qt/QtPlatform.h"

TEST(MainForm, CaptionNamesVersionAndDocument)
{
    TMainForm form;
    EXPECT_EQ(form.windowTitle().toStdString(), "Veltrane Version 3.02 [untitled]");
    EXPECT_EQ(TMainForm::MakeTitletext("/tmp/a.vtn"), "Veltrane Version 3.02 [/tmp/a.vtn]");
}

TEST(QtPlatform, FiltersTranslateToQtNameFilters)
{
    EXPECT_EQ(veltrane::qtFilter("Bitmaps (*.bmp)|*.bmp").toStdString(), "Bitmaps (*.bmp)");
    EXPECT_EQ(veltrane::qtFilter("Scans|*.dto;*.ell|All (*.*)|*.*").toStdString(),
              "Scans (*.dto *.ell);;All (*.*)");
}

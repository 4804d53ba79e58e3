// The end of the main window: the windows and dialogs it opened use its
// document and its run control to their own end (a field window takes its
// progress frame off the run control as it goes), so they end while the
// main window and its members are still whole.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"
#include "gui/main/MainForm.h"
#include "platform/ScriptedPlatform.h"
#include "platform/qt/GuiServices.h"

namespace {

struct ScopedGui {
    ScopedGui() { veltrane::installGuiServices(&gui); }
    ~ScopedGui() { veltrane::installGuiServices(nullptr); }
    veltrane::ScriptedGuiServices gui;
};

TEST(MainWindowEnd, ItsWindowsEndBeforeItsMembers)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    ScopedGui services;
    auto form = std::make_unique<TMainForm>();
    // The field windows are made on first use.
    TEwavedlgT* theta = &form->EwavedlgT();
    TEwavedlgD* place = &form->EwavedlgD();

    // While its own destructor runs the main window is still a TMainForm;
    // once QWidget's destructor deletes the children, its members are gone.
    QObject* const main = form.get();
    std::vector<std::string> whole, late;
    bool thetaEnded = false, placeEnded = false;
    for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow())
            continue;
        const std::string name = w->metaObject()->className();
        const bool isTheta = w == theta, isPlace = w == place;
        QObject::connect(w, &QObject::destroyed, [&, main, name, isTheta, isPlace] {
            (main->inherits("TMainForm") ? whole : late).push_back(name);
            thetaEnded = thetaEnded || isTheta;
            placeEnded = placeEnded || isPlace;
        });
    }
    form.reset();

    EXPECT_TRUE(thetaEnded);
    EXPECT_TRUE(placeEnded);
    EXPECT_GE(whole.size(), 10u);
    EXPECT_EQ(late, std::vector<std::string>{});
}

}  // namespace

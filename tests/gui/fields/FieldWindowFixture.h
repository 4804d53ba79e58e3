#pragma once
// A field window on the demo stack (glass | 50 nm gold | 5 nm | water, P
// light, X = Theta 45 to 65) with the platform answered from a script and
// a run control whose event passes the test scripts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "document/Defaults.h"
#include "gui/fields/EwaveWindow.h"
#include "gui/fields/FitStatus.h"
#include "platform/ScriptedPlatform.h"
#include "support/ScriptedRunControl.h"
#include "support/Stacks.h"

inline Document DemoDocument()
{
    Document d = DefaultDocument();
    TSimparameter p = veltrane::stacks::demo();
    p.PolArt = paP;
    p.PolMode = pmP;
    veltrane::stacks::thetaScan(p, 45.0, 65.0, 201);
    p.Theta = 52.0;
    p.Comment = "demo stack";
    d.Simparameter = p;
    d.EHOptionpara.Fields.Include(ehHy);
    d.EHOptionpara.Theta = 52.0;
    d.Titletext = "Veltrane Version 3.02 [untitled]";
    return d;
}

// Lets the event loop run until cond holds, for at most ms milliseconds.
inline bool WaitFor(const std::function<bool()>& cond, int ms = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!cond()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

struct FieldWindowTest : ::testing::Test {
    FieldWindowTest()
    {
        // The texts the progress frame showed, once per stage of a run.
        run.onPass = [this](int pass) {
            if (frame && (labels.empty() || labels.back() != frame->CalcLabel->text().toStdString()))
                labels.push_back(frame->CalcLabel->text().toStdString());
            if (onPass)
                onPass(pass);
        };
    }

    // Runs f on the modal dialog that the next call opens.
    template <class Dialog>
    static void onModal(std::function<void(Dialog&)> f)
    {
        QTimer::singleShot(0, [f] {
            auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            f(*dlg);
        });
    }

    // The samples on show are those that Calc computes for the view now:
    // the export before and after it is the same.
    void expectExportAsAfterCalc(TEwaveWindow& window)
    {
        window.Data2ClipboardBtn->trigger();
        const std::string shown = script.clipboardText;
        window.CalcBtn->click();
        window.Data2ClipboardBtn->trigger();
        EXPECT_TRUE(script.clipboardText == shown) << "the export is not that of what Calc computes";
    }

    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    veltrane::test::ScriptedRunControl run;
    Document doc = DemoDocument();
    TFitStatus* frame = nullptr;
    std::vector<std::string> labels;
    std::function<void(int)> onPass;
};

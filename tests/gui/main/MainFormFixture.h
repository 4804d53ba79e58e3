#pragma once
// The real main window, driven through its actions, with the platform and
// the printer answered from a script and files in a temporary folder.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPrinter>
#include <QPushButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>

#include "gui/main/plain/DocumentFlow.h"
#include "gui/main/MainForm.h"
#include "gui/simulation/Simparamdlg.h"
#include "platform/ScriptedPlatform.h"
#include "platform/qt/GuiServices.h"
#include "plot/Lineplot.h"

struct MainWindowTest : ::testing::Test {
    MainWindowTest() { veltrane::installGuiServices(&gui); }
    ~MainWindowTest() override { veltrane::installGuiServices(nullptr); }

    void trigger(const char* name)
    {
        QAction* a = form.Command(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    bool enabled(const char* name) const { return form.Command(name)->isEnabled(); }
    // Runs f on the next modal dialog that the following call opens.
    static void onModal(std::function<void(QWidget*)> f)
    {
        QTimer::singleShot(0, [f] {
            QWidget* w = QApplication::activeModalWidget();
            f(w);
            // A check that failed inside f must not leave the dialog waiting.
            if (auto* d = qobject_cast<QDialog*>(w); d && d == QApplication::activeModalWidget())
                d->reject();
        });
    }
    // The demo stack through the parameter dialog, closed with OK.
    void simulateDemo()
    {
        onModal([this](QWidget* w) {
            ASSERT_EQ(w, &form.Simparamdlg());
            form.Simparamdlg().OkBtn->click();
        });
        trigger("Button1");
    }
    std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }

    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    veltrane::ScriptedGuiServices gui;
    QTemporaryDir dir;
    TMainForm form;
};

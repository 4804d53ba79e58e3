#include "gui/main/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QStatusBar>
#include <vector>

#include "controls/OrvelAboutbox.h"
#include "document/Defaults.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/Simulationiterdlg.h"
#include "gui/main/plain/DocumentFlow.h"
#include "gui/main/MainManualHost.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/ShowPlotdlg.h"
#include "gui/simulation/Simparamdlg.h"
#include "gui/simulation/Simulationmandlg.h"
#include "platform/Platform.h"
#include "platform/qt/PlainText.h"
#include "plot/Lineplot.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), doc_(DefaultDocument())
{
    setObjectName("MainForm");
    CreateDocumentFlow();
    Plot_ = new TLinePlot(this);
    Plot_->setObjectName("Plot");
    setCentralWidget(Plot_);
    // Titles and axes the user edits through the plot belong to the
    // document; zoom and drags only change the view.
    Plot_->OnUserChange = [this](TLinePlot&, TUserChange what) {
        if (what == TUserChange::Title || what == TUserChange::Axis)
            SetModified();
    };
    // The hints of menu items and tool buttons show in the status bar.
    statusBar()->setObjectName("StatusBar");

    Aboutbox_ = new TOrvelAboutbox(this);
    Aboutbox_->ProgramName = "Veltrane ";
    Aboutbox_->Beschreibung = "Programm zur Simulation von Plasmonen";
    Aboutbox_->Jahr = "2009";

    // The dialogs live as long as the window and keep their state between
    // showings (the page, the layer-operation numbers).
    Simparamdlg_ = new TSimparamdlg(doc_, this);
    Showdlg_ = new TShowPlotdlg(doc_, this);
    Optiondlg_ = new TOptiondlg(doc_, this);
    Simulationmandlg_ = new TSimulationmandlg(doc_, *Optiondlg_, this);
    manualHost_ = std::make_unique<TMainManualHost>(*this);
    Simulationiterdlg_ = new TSimulationiterdlg(doc_, run_, this);
    Auswertungdlg_ = new TAuswertungdlg(doc_, this);
    CreateScanDialogs();

    CreateCommands();
    // The window sees key presses before its controls (the demo key).
    qApp->installEventFilter(this);

    ScansPresent = false;
    // What the first showing does, done once here too, so that a window
    // that is driven before it is shown has a complete document.
    NewDocument();
    setWindowTitle(veltrane::plainWindowTitle(QString::fromStdString(MakeTitletext())));
    UpdateCommands();
    resize(900, 640);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    // The windows and dialogs opened here hold references to the document
    // and the run control, members of this window, and use them to the end
    // (a field window takes its progress frame off the run control as it
    // goes). QWidget's destructor would delete them only after those
    // members are gone, so they end here, first.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            windows.emplace_back(child);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    Aboutbox_->Version = QString::fromStdString(Version + "  Release:" + Release);
    setWindowTitle(veltrane::plainWindowTitle(QString::fromStdString(MakeTitletext())));
    UpdateCommands();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A computation running in an event pass uses the document; it must
    // end before the window can go.
    if (run_.Active()) {
        run_.Stop();
        event->ignore();
        return;
    }
    if (flow_->MayClose())
        event->accept();
    else
        event->ignore();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease && isActiveWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Alt + 7 of the numeric keypad; with Num Lock off the key reads as
        // Home.
        const bool keypad7 = (key->key() == Qt::Key_7 || key->key() == Qt::Key_Home) &&
                             (key->modifiers() & Qt::KeypadModifier);
        if (keypad7 && (key->modifiers() & Qt::AltModifier) && !key->isAutoRepeat()) {
            Button1Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::UpdateCommands()
{
    ScansPresent = !doc_.ScanColList.empty();
    ApplyCommandStates(CommandStates(doc_));
}

QAction* TMainForm::Command(const std::string& name) const
{
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : it->second;
}

void TMainForm::ShowStatus(const QString& text)
{
    statusBar()->showMessage(text);
    // The simulation blocks the event loop: paint the text now.
    statusBar()->repaint();
}

void TMainForm::Help2Click() { veltrane::platform().showHelp("PAGE_WHAT"); }

void TMainForm::HelpAboutItemClick() { Aboutbox_->Execute(); }

// The main window's command table: menus, tool bar, shortcuts and hints,
// and the enabling of the commands that need results, scans or a Theta
// axis.
#include <QAction>
#include <QMenuBar>
#include <QToolBar>

#include "gui/main/MainForm.h"

namespace {

using Handler = void (TMainForm::*)();

struct Item {
    const char* name;
    const char* caption;
    QKeySequence key;
    const char* hint;
    Handler handler;
};

}  // namespace

QAction* TMainForm::AddCommand(const char* name, const QString& caption, const QString& hint, Handler handler)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setStatusTip(hint);
    a->setToolTip(hint);
    if (handler)
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    commands_[name] = a;
    return a;
}

void TMainForm::AddButton(const char* name, const QString& text, const QString& hint, QAction* menuItem)
{
    // A button shares its menu item's handler but is enabled on its own:
    // Show and Overview stay in the menu while their buttons need results.
    auto* b = new QAction(text, this);
    b->setObjectName(name);
    b->setStatusTip(hint);
    b->setToolTip(hint);
    b->setCheckable(menuItem->isCheckable());
    connect(b, &QAction::triggered, menuItem, [menuItem, b] {
        if (menuItem->isCheckable())
            menuItem->setChecked(!b->isChecked());  // the handler toggles it back
        menuItem->trigger();
    });
    commands_[name] = b;
}

void TMainForm::CreateCommands()
{
    QMenuBar* bar = menuBar();
    auto fill = [this](QMenu* menu, std::initializer_list<Item> items) {
        for (const Item& it : items) {
            QAction* a = AddCommand(it.name, it.caption, it.hint, it.handler);
            a->setShortcut(it.key);
            menu->addAction(a);
        }
    };

    QMenu* file = bar->addMenu("&File");
    fill(file, {{"FileOpenItem", "O&pen", {}, "Open Veltrane-File", &TMainForm::FileOpenItemClick},
                {"Newdocument", "New", {}, "Make a new document", &TMainForm::NewdocumentClick},
                {"FileSaveItem", "S&ave", Qt::Key_F2, "Save Veltrane-File", &TMainForm::FileSaveItemClick},
                {"FileSaveAsItem", "Save as ...", {}, "Save Veltrane-File under new name",
                 &TMainForm::FileSaveAsItemClick}});
    fill(file->addMenu("Clipboard"),
         {{"ClipData", "Data", {}, "Copy Datas to Clipboard", &TMainForm::ClipDataClick},
          {"ClipParameter", "Parameter", {}, "Copy Parameter to Clipboard", &TMainForm::ClipParameterClick},
          {"ClipPlot", "Plot", {}, "Copy Plot to Clipboard", &TMainForm::ClipPlotClick}});
    fill(file->addMenu("Export"),
         {{"ExportData", "Data", {}, "Save Datas in File", &TMainForm::ExportDataClick},
          {"ExportParameter", "Parameter", {}, "Save Parameter in File", &TMainForm::ExportParameterClick},
          {"ExportPlot", "Plot", {}, "Save Plot in File", &TMainForm::ExportPlotClick}});
    fill(file->addMenu("Print"), {{"PrintParameter", "Parameter", {}, "Print Parameter", &TMainForm::PrintParameterClick},
                                  {"PrintPlot", "Plot", {}, "Print Plot", &TMainForm::PrintPlotClick}});
    fill(file, {{"PrinterSetup1", "Printer-Setup", {}, "Printer-Setup", &TMainForm::PrinterSetup1Click}});
    file->addSeparator();
    fill(file, {{"FileExitItem", "&Exit", {}, "Exit program", &TMainForm::FileExitItemClick}});

    fill(bar->addMenu("S&can"), {{"Load1", "Load", Qt::Key_F3, "Load Scanfiles", &TMainForm::Load1Click},
                                 {"Scale1", "Scale", {}, "Scale Scandata", &TMainForm::Scale1Click},
                                 {"Shift1", "Shift", {}, "Shift Scandata", &TMainForm::Shift1Click}});

    QMenu* sim = bar->addMenu("&Simulation");
    fill(sim, {{"Parameter1", "Parameter", Qt::Key_F4, "Edit Simulation-parameter", &TMainForm::Parameter1Click}});
    fill(sim->addMenu("Simulation"),
         {{"Simulationman1", "manual", Qt::Key_F5, "manuelle Simulation", &TMainForm::Simulationman1Click},
          {"Simulationiter1", "iterative", Qt::Key_F6, "iterative Simulation", &TMainForm::Simulationiter1Click}});
    QMenu* fields = sim->addMenu("E/H-Fields");
    fields->menuAction()->setObjectName("EHFields");
    commands_["EHFields"] = fields->menuAction();
    fill(fields, {{"AtTheta1", "at Theta", {}, "Calc E/H-Field at Theta", &TMainForm::AtTheta1Click},
                  {"AtLayerposition1", "At Layerposition", {}, "Calc E/H-Field at Layerposition", &TMainForm::AtLayerposition1Click}});
    fill(sim, {{"Evaluation1", "Evaluation", Qt::Key_F7, "Evaluated Scan- and Simulationdatas", &TMainForm::Evaluation1Click}});

    QMenu* plot = bar->addMenu("Plot");
    fill(plot, {{"Overview1", "Overview", Qt::Key_F8, "Plot overview and zoom", &TMainForm::Overview1Click},
                {"Show1", "Show", Qt::Key_F9, "edit witch datas are plotted", &TMainForm::Show1Click},
                {"Zoom1", "Zoom", {}, "Plot Zoom", &TMainForm::Zoom1Click}});
    Command("Zoom1")->setCheckable(true);
    fill(plot->addMenu("Scale"),
         {{"Showall1", "Showall", {}, "rescale plot to show all", &TMainForm::Showall1Click},
          {"Normscale1", "Normscale", {}, "rescale plot to norm scale", &TMainForm::Normscale1Click}});
    fill(plot, {{"Refresh1", "Refresh", {}, "reprint plotwindow", &TMainForm::Refresh1Click},
                {"Replot1", "Replot", {}, "ploted datas new", &TMainForm::Replot1Click}});

    QMenu* option = bar->addMenu("Plot-Option");
    fill(option, {{"Legende1", "Legende", {}, "show Legende on/off", &TMainForm::Legende1Click},
                  {"TextBox1", "Layer-System", {}, "show Layer-System on/off", &TMainForm::TextBox1Click},
                  {"TextBox2", "Kommentar", {}, "show comment on/off", &TMainForm::TextBox2Click},
                  {"Title1", "Title", {}, "Edit Plottitle", &TMainForm::Title1Click},
                  {"XAxis1", "X-Axis", {}, "Edit X-Axis", &TMainForm::XAxis1Click},
                  {"Y1Axis1", "Y-Axis (left)", {}, "Edit left Y-Axis", &TMainForm::Y1Axis1Click},
                  {"Y2Axis1", "Y-Axis (right)", {}, "Edit right Y-Axis", &TMainForm::Y2Axis1Click}});
    for (const char* checked : {"Legende1", "TextBox1", "TextBox2"}) {
        Command(checked)->setCheckable(true);
        Command(checked)->setChecked(true);
    }

    fill(bar->addMenu("&Options"), {{"Option1", "Option", {}, "Edit options", &TMainForm::Option1Click}});
    fill(bar->addMenu("&Help"), {{"Help2", "Help", Qt::Key_F1, "", &TMainForm::Help2Click},
                                 {"HelpAboutItem", "Inf&o", {}, "", &TMainForm::HelpAboutItemClick}});

    // The demo command has no menu item and no visible button: Alt and 7
    // of the numeric keypad run it.
    AddCommand("Button1", "Demo", "", &TMainForm::Button1Click);

    QToolBar* tools = addToolBar("SpeedPanel");
    tools->setObjectName("SpeedPanel");
    tools->setMovable(false);
    struct Button {
        const char* name;
        const char* text;
        const char* hint;  // nullptr: the menu item's
        const char* item;
    };
    const Button buttons[] = {
        {"OpenBtn", "Open", "Open Veltrane file", "FileOpenItem"},
        {"NewDocBtn", "New", "Make a new Document", "Newdocument"},
        {"SaveBtn", "Save", "Save Veltrane file", "FileSaveItem"},
        {"PrintBtn", "Print", nullptr, "PrintPlot"},
        {nullptr, nullptr, nullptr, nullptr},
        {"LoadScanBtn", "Scans", nullptr, "Load1"},
        {"ScaleBtn", "Scale", nullptr, "Scale1"},
        {"ShiftBtn", "Shift", nullptr, "Shift1"},
        {nullptr, nullptr, nullptr, nullptr},
        {"ParamBtn", "Parameter", nullptr, "Parameter1"},
        {"SimManBtn", "Manual", nullptr, "Simulationman1"},
        {"SimIterBtn", "Iterative", nullptr, "Simulationiter1"},
        {"EwaveTBtn", "E/H at \xCE\xB8", nullptr, "AtTheta1"},
        {"EwaveDBtn", "E/H at Pos", nullptr, "AtLayerposition1"},
        {"EvalBtn", "Evaluation", nullptr, "Evaluation1"},
        {nullptr, nullptr, nullptr, nullptr},
        {"OverviewBtn", "Overview", nullptr, "Overview1"},
        {"ShowBtn", "Show", "Edit which datas are plotted", "Show1"},
        {"ZoomBtn", "Zoom", nullptr, "Zoom1"},
        {"ShowallBtn", "Show all", "rescale to show all", "Showall1"},
        {"RescaleBtn", "Norm", "rescale to Normscale (Y:0-1)", "Normscale1"},
        {nullptr, nullptr, nullptr, nullptr},
        {"ExitBtn", "Exit", nullptr, "FileExitItem"},
    };
    for (const Button& b : buttons) {
        if (!b.name) {
            tools->addSeparator();
            continue;
        }
        QAction* item = Command(b.item);
        AddButton(b.name, b.text, b.hint ? QString(b.hint) : item->statusTip(), item);
        tools->addAction(Command(b.name));
    }
}

void TMainForm::ApplyCommandStates(const TCommandStates& s)
{
    auto enable = [this](std::initializer_list<const char*> names, bool on) {
        for (const char* n : names)
            if (QAction* a = Command(n))
                a->setEnabled(on);
    };
    enable({"Scale1", "ScaleBtn", "Shift1", "ShiftBtn"}, s.ScaleShift);
    enable({"Evaluation1", "EvalBtn"}, s.Evaluation);
    enable({"Simulationman1", "SimManBtn"}, s.Manual);
    enable({"EHFields", "AtTheta1", "AtLayerposition1", "EwaveTBtn", "EwaveDBtn"}, s.Fields);
    enable({"ShowBtn", "OverviewBtn"}, s.ShowOverviewButtons);
    enable({"Simulationiter1", "SimIterBtn"}, s.Iterative);
}

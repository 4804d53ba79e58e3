#include "platform/qt/GuiServices.h"

#include <QDir>
#include <QFont>
#include <QPrinter>
#include <QTemporaryDir>

#include "platform/Platform.h"

namespace veltrane {
namespace {

GuiServices* current = nullptr;

}  // namespace

GuiServices& guiServices()
{
    // Without an installed one, a scripted instance keeps GUI code from
    // touching the real clipboard or printer.
    static ScriptedGuiServices fallback;
    return current ? *current : fallback;
}

void installGuiServices(GuiServices* s) { current = s; }

const char* const NoPrinterSetupText =
    "No printer is installed, so there is nothing to set up.\nPrints go to a PDF file whose name you choose when you print.";

bool SetupPrinter(QWidget* parent)
{
    if (guiServices().printerNames().empty()) {
        showInformation("Printer-Setup", NoPrinterSetupText);
        return false;
    }
    return guiServices().setupPrinter(parent);
}

ScriptedGuiServices::ScriptedGuiServices() = default;
ScriptedGuiServices::~ScriptedGuiServices() = default;

QPrinter& ScriptedGuiServices::printer()
{
    if (!printer_) {
        printFolder_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("veltrane-print-XXXXXX"));
        printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(printFolder_->filePath("print.pdf"));
    }
    return *printer_;
}

bool ScriptedGuiServices::setupPrinter(QWidget*)
{
    ++setupCalls;
    if (setupAnswers.empty())
        return true;
    bool a = setupAnswers.front();
    setupAnswers.pop_front();
    return a;
}

void configureFonts()
{
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
}

}  // namespace veltrane

#pragma once
// The GUI half of the platform seam: clipboard images and the one shared
// printer. Tests install a scripted instance that records images and prints
// to PDF.

#include <QImage>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class QPrinter;
class QTemporaryDir;
class QWidget;

namespace veltrane {

class GuiServices {
public:
    virtual ~GuiServices() = default;
    virtual void setClipboardImage(const QImage& image) = 0;
    // The program's one printer, shared by every print command.
    virtual QPrinter& printer() = 0;
    // The printer set-up dialog; false when the user cancelled.
    virtual bool setupPrinter(QWidget* parent) = 0;
    // The installed printers; empty when there is none.
    virtual std::vector<std::string> printerNames() = 0;
};

GuiServices& guiServices();
void installGuiServices(GuiServices* s);

// The printer set-up commands. Without any printer there is nothing to set
// up: a box says so and no print dialog is shown, since that would offer to
// print or to overwrite a PDF file although nothing is printed. False then,
// or when the user cancelled.
bool SetupPrinter(QWidget* parent);
extern const char* const NoPrinterSetupText;

class ScriptedGuiServices : public GuiServices {
public:
    ScriptedGuiServices();
    ~ScriptedGuiServices() override;
    void setClipboardImage(const QImage& image) override { clipboardImages.push_back(image); }
    QPrinter& printer() override;
    bool setupPrinter(QWidget* parent) override;
    std::vector<std::string> printerNames() override { return printers; }

    std::vector<QImage> clipboardImages;
    // The scripted printer itself writes a PDF file, print.pdf in a fresh
    // temporary folder of this instance that goes with it: no print of
    // another run, or of another user, stands there. An empty list stands
    // for a machine without any printer.
    std::vector<std::string> printers{"Scripted printer"};
    std::deque<bool> setupAnswers;  // empty: accept
    int setupCalls = 0;

private:
    std::unique_ptr<QTemporaryDir> printFolder_;
    std::unique_ptr<QPrinter> printer_;
};

// "Courier New" and the other faces the plots name resolve to
// metric-compatible fonts, so that layouts match across machines.
void configureFonts();

}  // namespace veltrane

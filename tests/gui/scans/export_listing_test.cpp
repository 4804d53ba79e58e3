// The data-export dialog and the parameter listing's outputs: what goes to
// the clipboard and into files, failed writes that claim no success, and
// the listing on the printer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "ScanFiles.h"
#include "document/Defaults.h"
#include "document/Paramemo.h"
#include "document/ScanFile.h"
#include "gui/scans/ExportDatadlg.h"
#include "gui/scans/ParameterOutput.h"
#include "gui/scans/TextPrint.h"
#include "platform/ScriptedPlatform.h"
#include "platform/qt/GuiServices.h"

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs of blanks as one: the PDF reader guesses the width of a gap.
std::string squeezed(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (!(c == ' ' && !out.empty() && out.back() == ' '))
            out += c;
    return out;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

// A document with one computed curve of three points and two scans.
Document exportDocument(const ScanFiles& files)
{
    Document doc = DefaultDocument();
    doc.Simparameter.Layeranz = 4;
    TResColrec col;
    col.Points = {{40.0, 0.9, 0, 0.1, 0, 0, 0, 1}, {41.0, 0.2, 0, 0.3, 0, 0, 0, 1}, {42.0, 0.8, 0, 0.4, 0, 0, 0, 0}};
    doc.ResColList.push_back(col);
    AddScanFile(files.twoColumn(), doc.ScanColList);
    AddScanFile(files.ellipsometry(), doc.ScanColList);
    return doc;
}

struct ExportTest : ::testing::Test {
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    ScanFiles files;
    Document doc = exportDocument(files);
};

TEST_F(ExportTest, TheTwoModesAndTheEntriesAfterTheEightKinds)
{
    TExportDatadlg dlg(doc);
    dlg.ToFile = false;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Export Data to Clipboard");
    EXPECT_TRUE(dlg.OkBtn->isEnabled());
    EXPECT_TRUE(dlg.Fileedit->isHidden());
    ASSERT_EQ(dlg.DataBox->count(), 11);
    EXPECT_EQ(dlg.DataBox->itemText(7), "Delta");
    EXPECT_EQ(dlg.DataBox->itemText(8).toStdString(), files.path("gold.dto"));
    EXPECT_EQ(dlg.DataBox->itemText(10).toStdString(), files.path("film.ell"));
    dlg.DataBox->setCurrentIndex(10);
    dlg.hide();

    // One scan fewer: the remembered entry is gone, the first is taken.
    doc.ScanColList.pop_back();
    dlg.ToFile = true;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Export Data to File");
    EXPECT_EQ(dlg.DataBox->currentIndex(), 0);
    EXPECT_FALSE(dlg.OkBtn->isEnabled());  // waits for a file name
    EXPECT_TRUE(dlg.Fileedit->isVisible());
    dlg.HelpBtn->click();
    EXPECT_EQ(script.helpKeywords, std::vector<std::string>{"PAGE_EXPORT_FILE"});
}

TEST_F(ExportTest, TheFileHoldsWhatTheClipboardGets)
{
    doc.ScanColList[0].Shiftfactor = 0.5;
    doc.ScanColList[0].Scalefactor = 2.0;
    TExportDatadlg dlg(doc);
    dlg.show();
    dlg.DataBox->setCurrentIndex(8);
    dlg.OkBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    ASSERT_EQ(script.boxes.size(), 1u);  // the shift is not exported
    EXPECT_EQ(script.boxes[0].caption, "Warning");
    EXPECT_EQ(script.boxes[0].text, "Attention: The exported datas are unshifted !");
    const std::vector<std::string> lines = splitLines(script.clipboardText);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "41.000000000000000  \t0.400000000000000   ");

    dlg.ToFile = true;
    dlg.show();
    EXPECT_TRUE(dlg.Fileedit->text().isEmpty());
    script.saveAnswers.push_back(files.path("gold.dat"));
    dlg.opendlgBtn->click();
    EXPECT_EQ(script.saveRequests.back().title, "Save Data");
    EXPECT_EQ(script.saveRequests.back().filter, "Data (*.dat)|*.dat");
    EXPECT_TRUE(dlg.OkBtn->isEnabled());
    EXPECT_EQ(dlg.DataBox->currentIndex(), 8);
    dlg.OkBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(script.boxes.size(), 2u);  // warned once per export
    EXPECT_EQ(readFile(files.path("gold.dat")), script.clipboardText);
}

TEST_F(ExportTest, AFileThatCannotBeWrittenKeepsTheDialogOpen)
{
    TExportDatadlg dlg(doc);
    dlg.ToFile = true;
    dlg.show();
    script.saveAnswers.push_back(files.path("no-such-folder/rp.dat"));
    dlg.opendlgBtn->click();
    dlg.OkBtn->click();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "I/O Error");
    EXPECT_NE(script.boxes[0].text.find("rp.dat"), std::string::npos);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0);

    // A computed point missing from the curve shows "--".
    script.saveAnswers.push_back(files.path("rp.dat"));
    dlg.opendlgBtn->click();
    dlg.OkBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    const std::vector<std::string> lines = splitLines(readFile(files.path("rp.dat")));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "42.000000000000000  \t--                  ");
}

TEST_F(ExportTest, ListingOnTheClipboardHasNoIndentAndInTheFileSevenBlanks)
{
    doc.Simparameter.Comment = "gold film";
    veltrane::CopyParameterListing(doc);
    const std::vector<std::string> clip = splitLines(script.clipboardText);
    const std::vector<std::string> expected =
        ParameterListing(doc.Simparameter, doc.ScanColList, doc.FileName, doc.Titletext, false, '.');
    EXPECT_EQ(clip, expected);
    ASSERT_GT(clip.size(), 3u);
    EXPECT_EQ(clip[2], std::string(50, '='));

    script.saveAnswers.push_back(files.path("listing.txt"));
    ASSERT_TRUE(veltrane::SaveParameterListing(doc));
    EXPECT_EQ(script.saveRequests.back().title, "Save Parameter");
    const std::vector<std::string> file = splitLines(readFile(files.path("listing.txt")));
    ASSERT_EQ(file.size(), clip.size());
    EXPECT_EQ(file[0], clip[0]);
    EXPECT_EQ(file[1], clip[1]);
    for (std::size_t i = 2; i < file.size(); ++i)
        EXPECT_EQ(file[i], "       " + clip[i]) << i;

    // A failed write claims nothing.
    script.saveAnswers.push_back(files.path("no-such-folder/listing.txt"));
    EXPECT_FALSE(veltrane::SaveParameterListing(doc));
    EXPECT_EQ(script.boxes.back().caption, "I/O Error");
}

TEST_F(ExportTest, ListingPrintsAsTextOnThePrinter)
{
    veltrane::ScriptedGuiServices gui;
    veltrane::installGuiServices(&gui);
    const QString pdf = QString::fromStdString(files.path("listing.pdf"));
    gui.printer().setOutputFileName(pdf);
    doc.Simparameter.Layeranz = 30;
    doc.Simparameter.Comment = "printed listing";
    const bool printed = veltrane::PrintParameterListing(doc);
    veltrane::installGuiServices(nullptr);
    ASSERT_TRUE(printed);
    EXPECT_EQ(gui.setupCalls, 0);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    const std::string text = squeezed(pdftotext.readAllStandardOutput().toStdString());
    for (const char* line : {"Comment: printed listing", "Layer-Parameter:", "| 30 | 1e-307 |", "| gold.dto |",
                             "| film.ell (Delta) | 1 |"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

TEST_F(ExportTest, LongTextRunsOnToFurtherPages)
{
    veltrane::ScriptedGuiServices gui;
    veltrane::installGuiServices(&gui);
    QPrinter& printer = gui.printer();
    const QString pdf = QString::fromStdString(files.path("long.pdf"));
    printer.setOutputFileName(pdf);
    std::vector<std::string> lines;
    for (int i = 1; i <= 200; ++i)
        lines.push_back("line " + std::to_string(i) + std::string(150, '-') + "|");
    const bool printed = veltrane::PrintTextLines(printer, lines, "");
    veltrane::installGuiServices(nullptr);
    ASSERT_TRUE(printed);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    const std::string text = pdftotext.readAllStandardOutput().toStdString();
    const std::vector<std::string> got = splitLines(text);
    int pages = 0, found = 0;
    for (const std::string& l : got) {
        pages += int(std::count(l.begin(), l.end(), '\f'));
        // Every line whole: the face shrinks rather than cutting it.
        if (l.find(std::string(150, '-') + "|") != std::string::npos)
            ++found;
    }
    EXPECT_EQ(found, 200);
    EXPECT_GE(pages, 2);
    EXPECT_NE(text.find("line 200-"), std::string::npos);
}

}  // namespace

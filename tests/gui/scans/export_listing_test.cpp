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

#include "gui/scans/ScanFiles.h"
#include "document/Defaults.h"
#include "document/ScanFile.h"
#include "gui/scans/ExportDatadlg.h"
#include "gui/scans/ParameterOutput.h"
#include "platform/qt/TextPrint.h"
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

// The text of a printed PDF file, read back by poppler's pdftotext.
std::string pdfText(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(20000))
        ADD_FAILURE() << "pdftotext (poppler-utils) is needed";
    return pdftotext.readAllStandardOutput().toStdString();
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

TEST_F(ExportTest, TheScanEntriesFollowTheEightKinds)
{
    TExportDatadlg dlg(doc);
    dlg.ToFile = false;
    dlg.show();
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
    EXPECT_EQ(dlg.DataBox->currentIndex(), 0);
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

    script.saveAnswers.push_back(files.path("rp.dat"));
    dlg.opendlgBtn->click();
    dlg.OkBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(splitLines(readFile(files.path("rp.dat"))).size(), 4u);
}

TEST_F(ExportTest, ListingOnTheClipboardHasNoIndentAndInTheFileSevenBlanks)
{
    doc.Simparameter.Comment = "gold film";
    veltrane::CopyParameterListing(doc);
    const std::vector<std::string> clip = splitLines(script.clipboardText);
    ASSERT_GT(clip.size(), 3u);
    EXPECT_EQ(clip[2], std::string(50, '='));

    script.saveAnswers.push_back(files.path("listing.txt"));
    ASSERT_TRUE(veltrane::SaveParameterListing(doc));
    const std::vector<std::string> file = splitLines(readFile(files.path("listing.txt")));
    ASSERT_EQ(file.size(), clip.size());
    EXPECT_EQ(file[1], clip[1]);  // the first two lines have no indent
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

    const std::string text = squeezed(pdfText(pdf));
    for (const char* line : {"Comment: printed listing", "Layer-Parameter:", "| 30 | 1e-307 |", "| gold.dto |",
                             "| film.ell (Delta) | 1 |"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

// Lines too long for the page make the face smaller, not shorter lines;
// lines beyond the page run on to the next.
TEST_F(ExportTest, LongTextRunsOnToFurtherPages)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString(files.path("long.pdf"));
    printer.setOutputFileName(pdf);
    std::vector<std::string> lines;
    for (int i = 1; i <= 200; ++i)
        lines.push_back("line " + std::to_string(i) + std::string(150, '-') + "|");
    ASSERT_TRUE(veltrane::PrintTextLines(printer, lines, ""));
    const std::string text = pdfText(pdf);
    const std::string whole = std::string(150, '-') + "|";
    int found = 0;
    for (const std::string& l : splitLines(text))
        found += l.find(whole) != std::string::npos;
    EXPECT_EQ(found, 200);
    EXPECT_GE(std::count(text.begin(), text.end(), '\f'), 2);
}

}  // namespace

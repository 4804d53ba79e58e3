// The document commands without a window, answered by the scripted
// platform: the "Save file?" question of New, Open and Exit, failed saves,
// names and files that do not load, and converted files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/Defaults.h"
#include "document/DocumentFile.h"
#include "gui/main/plain/DocumentFlow.h"
#include "platform/ByteSink.h"
#include "platform/ScriptedPlatform.h"
#include "support/TempFolder.h"

using veltrane::BoxAnswer;

namespace {

struct RecordingHost : TDocumentHost {
    void SetDefaults() override {}
    void Replot() override {}
    void RecordToPlot() override { calls.push_back("RecordToPlot"); }
    void PlotToRecord() override {}
    void RunSimulation() override { calls.push_back("RunSimulation"); }
    void UpdateCommands() override {}
    void SetCaption(const std::string& c) override { caption = c; }
    void ClearStatus() override {}
    std::vector<std::string> calls;
    std::string caption;
};

struct DocumentFlowTest : ::testing::Test {
    // A document that has a file and changes since it was saved.
    DocumentFlowTest()
    {
        doc.ResColList.push_back({"Rp", 0.0, {}});
        flow.Modified = true;
        flow.NeverSaved = false;
    }
    std::string path(const char* name) const { return dir.path(name); }
    void write(const char* name, const std::string& versionText)
    {
        veltrane::MemorySink sink;
        veltrane::WriteDocument(sink, Documentrec(doc), versionText);
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(sink.bytes.data()), std::streamsize(sink.bytes.size()));
    }

    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    testdoc::TempFolder dir;
    Document doc = DefaultDocument();
    RecordingHost host;
    TDocumentFlow flow{doc, host};
};

}  // namespace

TEST_F(DocumentFlowTest, SaveFileAsksOnNewOpenAndExitAndYesSavesFirst)
{
    enum Command { New, Open, Exit };
    for (Command command : {New, Open, Exit})
        for (BoxAnswer answer : {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Cancel}) {
            SCOPED_TRACE(int(command) * 10 + int(answer));
            doc.ResColList.assign(1, {"Rp", 0.0, {}});
            doc.FileName = path("named.vtn");
            std::filesystem::remove(doc.FileName);
            flow.Modified = true;
            flow.NeverSaved = false;
            script.boxes.clear();
            script.openRequests.clear();
            script.answers = {answer};
            bool goesOn = command == Exit ? flow.MayClose() : false;
            if (command == New) {
                flow.NewCommand();
                goesOn = doc.ResColList.empty();
            } else if (command == Open) {
                flow.OpenCommand();
                goesOn = !script.openRequests.empty();
            }
            ASSERT_EQ(script.boxes.size(), 1u);
            EXPECT_EQ(script.boxes[0].text, "Save file?");
            EXPECT_EQ(script.boxes[0].caption, command == Exit ? "Exit" : "Question");
            EXPECT_EQ(std::filesystem::exists(path("named.vtn")), answer == BoxAnswer::Yes);
            EXPECT_EQ(goesOn, answer != BoxAnswer::Cancel);
        }
    // New asks while the document was never saved, Open only when changed,
    // Exit always.
    flow.Modified = false;
    flow.NeverSaved = true;
    script.boxes.clear();
    flow.OpenCommand();
    EXPECT_TRUE(script.boxes.empty());
    flow.NewCommand();
    EXPECT_EQ(script.boxes.size(), 1u);
    flow.NeverSaved = false;
    EXPECT_FALSE(flow.MayClose());  // answered Cancel
    EXPECT_EQ(script.boxes.size(), 2u);
}

TEST_F(DocumentFlowTest, AFailedSaveKeepsTheWindowOpen)
{
    doc.FileName = path("no-such-folder/a.vtn");
    script.answers = {BoxAnswer::Yes};
    EXPECT_FALSE(flow.MayClose());
    EXPECT_EQ(script.boxes.back().caption, "I/O Error");
    EXPECT_TRUE(flow.Modified);
    // A new name that is not a document is refused and nothing written.
    flow.NeverSaved = true;
    script.answers = {BoxAnswer::Yes};
    script.saveAnswers = {path("a.txt")};
    EXPECT_FALSE(flow.MayClose());
    EXPECT_EQ(script.boxes.back().text, "is not a Veltrane-File (*.vtn)");
    EXPECT_FALSE(std::filesystem::exists(path("a.txt")));
}

TEST_F(DocumentFlowTest, WhatDoesNotLoadShowsOneMessageAndLeavesTheDocumentAsItWas)
{
    write("good.VTN", FileVersionText);
    std::ifstream in(path("good.VTN"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::ofstream(path("cut.vtn"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    std::ofstream(path("text.vtn")) << "Theta Rp\n";
    write("future.vtn", "09.99");
    const Document before = doc;
    // A name that is not a document is refused before anything is cleared.
    script.openAnswers = {{path("good.VTN.bak")}};
    flow.OpenDocument();
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"is not a Veltrane-File (*.vtn)"});
    EXPECT_EQ(doc, before);
    for (const auto& [file, caption, text] :
         {std::tuple{"cut.vtn", "I/O Error", ""}, std::tuple{"text.vtn", "Error", "is not a Veltrane-File (*.vtn)"},
          std::tuple{"future.vtn", "Error", "Wrong File-Version-Nr!"}}) {
        SCOPED_TRACE(file);
        script.boxes.clear();
        flow.LoadFile(path(file));
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, caption);
        EXPECT_TRUE(!*text || script.boxes[0].text == text) << script.boxes[0].text;
        // A file that fails to read is named, as the user typed or chose it.
        if (std::string(caption) == "I/O Error") {
            EXPECT_NE(script.boxes[0].text.find("\"" + path(file) + "\""), std::string::npos) << script.boxes[0].text;
        }
        EXPECT_EQ(doc, before);
        EXPECT_TRUE(flow.Modified);
    }
    EXPECT_TRUE(host.calls.empty());
    // A .vtn in capitals is taken.
    script.openAnswers = {{path("good.VTN")}};
    flow.OpenDocument();
    EXPECT_EQ(host.caption, "Veltrane Version 3.02 [" + path("good.VTN") + "]");
    EXPECT_FALSE(flow.Modified);
}

TEST_F(DocumentFlowTest, AConvertedFileWarnsInBitOrderIsRecomputedAndStaysUntitled)
{
    // Version 3.00 scanned X and Z over the wavelength, a kind this version
    // no longer has.
    doc.Simparameter.XAxis.Typ = 9;
    doc.Simparameter.ZAxis.Typ = 10;
    write("old.vtn", "03.00");
    flow.Modified = false;
    script.openAnswers = {{path("old.vtn")}};
    flow.OpenCommand();
    ASSERT_GE(script.boxes.size(), 2u);
    const auto& x = script.boxes[script.boxes.size() - 2];
    EXPECT_EQ(x.caption, "Warning");
    EXPECT_EQ(x.text.rfind("Attention:\nThe X-Axis typ is 'wavelength'", 0), 0u);
    EXPECT_EQ(script.boxes.back().text.rfind("Attention:\nThe Z-Axis typ is 'wavelength'", 0), 0u);
    EXPECT_EQ(doc.Simparameter.XAxis.Typ, 0);
    EXPECT_EQ(host.calls, std::vector<std::string>{"RunSimulation"});
    EXPECT_EQ(host.caption, "Veltrane Version 3.02 [untitled]");
    EXPECT_TRUE(flow.NeverSaved);
}

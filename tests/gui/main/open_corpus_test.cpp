// The fuzzer's seed documents opened through the main window's Open, as a
// user opens them: every one opens, and the kinds a damaged file holds (the
// largest int as the X kind) show as no kind and stay as stored.
#include <QComboBox>
#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "MainFormFixture.h"
#include "document/Defaults.h"
#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "support/CorpusFolder.h"

namespace {

std::filesystem::path corpusFolder() { return veltrane::test::corpusFolder(VELTRANE_TEST_DATA); }

std::vector<std::string> corpusFiles()
{
    std::vector<std::string> files;
    const std::filesystem::path corpus = corpusFolder();
    if (!corpus.empty())
        for (const auto& entry : std::filesystem::directory_iterator(corpus))
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// A main window of its own per document, as after the program's start.
struct FreshWindow {
    FreshWindow() { veltrane::installGuiServices(&gui); }
    ~FreshWindow() { veltrane::installGuiServices(nullptr); }

    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    veltrane::ScriptedGuiServices gui;
    TMainForm form;
};

}  // namespace

TEST(OpenCorpus, EveryDocumentOpensThroughTheMainWindow)
{
    const std::vector<std::string> files = corpusFiles();
    ASSERT_GE(files.size(), 6u) << "no fuzz/corpus above " << VELTRANE_TEST_DATA;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        FreshWindow w;
        w.form.show();
        w.script.openAnswers.push_back({file});
        w.form.Command("FileOpenItem")->trigger();
        // Opened as it is, or converted with its warnings and computed
        // (where the engine may refuse a point, in a box of its own); never
        // refused by the reader.
        bool converted = false;
        for (const auto& box : w.script.boxes) {
            EXPECT_NE(box.caption, "I/O Error") << box.text;
            EXPECT_NE(box.caption, "Error") << box.text;
            converted = converted || box.caption == "Warning";
        }
        EXPECT_EQ(w.form.Doc().FileName, converted ? Untitled : file);
        EXPECT_EQ(w.form.windowTitle().toStdString(), w.form.Doc().Titletext);
    }
}

TEST(OpenCorpus, KindsThatNameNoQuantityShowNoneAndStayAsStored)
{
    const std::vector<std::string> files = corpusFiles();
    const auto odd = std::find_if(files.begin(), files.end(),
                                  [](const std::string& f) { return f.ends_with("v302-odd-kinds.vtn"); });
    ASSERT_NE(odd, files.end());
    FreshWindow w;
    w.form.show();
    w.script.openAnswers.push_back({*odd});
    w.form.Command("FileOpenItem")->trigger();
    EXPECT_TRUE(w.script.boxes.empty());
    const TSimparameter& p = w.form.Doc().Simparameter;
    ASSERT_EQ(p.XAxis.Typ, INT32_MAX);
    ASSERT_EQ(p.ZAxis.Typ, INT32_MIN);

    // No title and no legend title, where a kind would have its name.
    TLinePlot& plot = w.form.Plot();
    EXPECT_EQ(plot.XAxis().Title(), "");
    EXPECT_EQ(plot.Legend().Title1(), "");
    EXPECT_EQ(plot.Legend().Title2(), "");
    EXPECT_GT(plot.GetColanz(), 0);  // the stored curves are drawn all the same
    // The commands that need a Theta axis stay off.
    for (const char* off : {"Simulationiter1", "Evaluation1"})
        EXPECT_FALSE(w.form.Command(off)->isEnabled()) << off;

    // The parameter dialog shows no kind for either axis, never Theta or
    // none in their place, and its Cancel leaves them.
    MainWindowTest::onModal([&](QWidget* dlg) {
        ASSERT_EQ(dlg, &w.form.Simparamdlg());
        EXPECT_EQ(w.form.Simparamdlg().XAxisBox->currentIndex(), -1);
        EXPECT_EQ(w.form.Simparamdlg().ZAxisBox->currentIndex(), -1);
        w.form.Simparamdlg().CancelBtn->click();
    });
    w.form.Command("Parameter1")->trigger();
    EXPECT_EQ(p.XAxis.Typ, INT32_MAX);

    // Saved again, the file holds the kinds as they were.
    QTemporaryDir dir;
    const std::string saved = (dir.path() + "/again.vtn").toStdString();
    w.script.saveAnswers.push_back(saved);
    w.form.Command("FileSaveAsItem")->trigger();
    Document back = DefaultDocument();
    TDocumentrec rec = Documentrec(back);
    ASSERT_EQ(LoadDocument(saved, rec, FileVersionText), lsOk);
    EXPECT_EQ(back.Simparameter.XAxis.Typ, INT32_MAX);
    EXPECT_EQ(back.Simparameter.ZAxis.Typ, INT32_MIN);
}

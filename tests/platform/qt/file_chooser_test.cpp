// The file choosers as a user types into them: the default extension goes
// only onto a name that has none and is not there yet, so that a device, a
// pipe or a file without an extension comes back as typed, and Qt still
// asks before a file of the chosen name is overwritten.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sys/stat.h>

#include "platform/qt/QtPlatform.h"
#include "support/TypedChooser.h"
#include "support/WriteFailures.h"

namespace {

struct Folder {
    Folder()
    {
        std::ofstream(path("report.dat")) << "old\n";
        std::ofstream(path("notes")) << "old\n";
        std::ofstream(path("doc.vtn")) << "old\n";
        ::mkfifo(path("pipe").c_str(), 0600);
    }
    std::string path(const std::string& name) const { return (dir.path() + "/").toStdString() + name; }
    QTemporaryDir dir;
};

}  // namespace

// Mended: Qt's own default suffix turned a typed /dev/full into a new file
// /dev/full.dat, and a pipe or a file without an extension likewise.
TEST(FileChooser, SaveAddsTheExtensionOnlyToANewNameWithoutOne)
{
    veltrane::QtPlatform qt;
    Folder f;
    veltrane::test::DeviceNode full;
    // Whether Qt asks before writing the chosen name: always for a file
    // that is there, never for a new one; a device or a pipe may be asked
    // about, by its own name.
    enum Asked { No, Yes, Either };
    struct Case {
        QString typed;
        std::string chosen;
        Asked asked;
    };
    const Case cases[] = {
        {"out", f.path("out.dat"), No},
        {"out.txt", f.path("out.txt"), No},
        {"report", f.path("report.dat"), Yes},  // the name with the extension is there
        {"notes", f.path("notes"), Yes},
        {"pipe", f.path("pipe"), Either},
        {QString::fromStdString(full.path()), full.path(), Either},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        veltrane::test::TypedChooser chooser({c.typed});
        veltrane::SaveFileRequest r = veltrane::saveFileRequest("Save Data", "Data (*.dat)|*.dat", "dat");
        r.initialDir = f.dir.path().toStdString();
        EXPECT_EQ(qt.chooseSaveFile(r), c.chosen);
        if (c.asked != Either)
            EXPECT_EQ(chooser.boxes.size(), c.asked == Yes ? 1u : 0u);
        for (const auto& box : chooser.boxes)
            EXPECT_TRUE(box.text.contains(QString::fromStdString(c.chosen).section('/', -1))) << box.text.toStdString();
    }
    EXPECT_TRUE(full.intact());
}

// Opening one file: a name that is not there is named in the program's own
// box, as typed, and the chooser stays open for another.
TEST(FileChooser, OpenOneFileNamesAMissingOneAndStaysOpen)
{
    veltrane::QtPlatform qt;
    Folder f;
    veltrane::OpenFileRequest r{"Load Veltrane-File", "Veltrane-File (*vtn)|*.vtn", "vtn"};
    r.initialDir = f.dir.path().toStdString();
    struct Case {
        QStringList typed;
        std::string chosen;
        QStringList boxes;
    };
    const Case cases[] = {
        {{"doc"}, f.path("doc.vtn"), {}},
        {{"notes"}, f.path("notes"), {}},
        {{"<b>gone", "doc.vtn"},
         f.path("doc.vtn"),
         {"<b>gone.vtn\nFile not found.\nPlease verify the correct file name was given."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.join(", ").toStdString());
        veltrane::test::TypedChooser chooser(c.typed);
        EXPECT_EQ(qt.chooseOpenFiles(r), std::vector<std::string>{c.chosen});
        EXPECT_EQ(chooser.texts(), c.boxes);
        EXPECT_TRUE(chooser.allPlain());
    }
}

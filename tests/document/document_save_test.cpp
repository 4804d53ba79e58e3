#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "platform/ScriptedPlatform.h"
#include "platform/StreamError.h"
#include "SampleDocuments.h"
#include "support/TempFolder.h"

using veltrane::ByteSink;
using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

// A device that takes a given number of bytes and then fails like a full
// disk, or fails when the written file is to be made durable.
class FailingSink : public ByteSink {
public:
    FailingSink(ByteSink& inner, std::size_t failAfter, bool failFinish)
        : inner_(inner), left_(failAfter), failFinish_(failFinish) {}
    void write(const void* data, std::size_t n) override
    {
        if (n > left_) {
            inner_.write(data, left_);
            left_ = 0;
            throw veltrane::EStreamError("Write error: No space left on device");
        }
        left_ -= n;
        inner_.write(data, n);
    }
    void finish() override
    {
        if (failFinish_)
            throw veltrane::EStreamError("Cannot close file: Input/output error");
        inner_.finish();
    }

private:
    ByteSink& inner_;
    std::size_t left_;
    bool failFinish_;
};

int save(Document& d, const std::string& path, const veltrane::SinkFilter& filter = {})
{
    TDocumentrec rec = Documentrec(d);
    return veltrane::SaveDocument(path, rec, FileVersionText, filter);
}

// Root passes every permission check: take an ordinary user's identity for
// the scope.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (::geteuid() == 0)
            switched_ = ::seteuid(65534) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (switched_)
            (void)::seteuid(0);
    }
    bool ok() const { return ::geteuid() != 0; }

private:
    bool switched_ = false;
};

}  // namespace

TEST(DocumentSave, FailingWritesKeepThePreviousFile)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("doc.vtn");
    Document previous = testdoc::sampleDocument();
    ASSERT_EQ(save(previous, path), 0);
    const auto good = testdoc::readBytes(path);

    Document changed = testdoc::sampleDocument();
    changed.Simparameter.Comment = "changed";
    changed.ResColList.clear();
    const std::size_t size = testdoc::saveToBytes(changed).size();

    struct Case {
        std::size_t failAfter;
        bool failFinish;
    };
    const Case cases[] = {{0, false}, {4, false}, {24, false}, {25, false}, {1000, false},
                          {size - 1, false}, {size, true}};
    for (const Case& c : cases) {
        ScriptedPlatform script;
        ScopedPlatform use(script);
        const int result = save(changed, path, [&](ByteSink& file) {
            return std::make_unique<FailingSink>(file, c.failAfter, c.failFinish);
        });
        EXPECT_EQ(result, -1) << c.failAfter;
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "I/O Error");
        EXPECT_EQ(script.boxes[0].icon, veltrane::BoxIcon::Stop);
        EXPECT_EQ(testdoc::readBytes(path), good) << c.failAfter;
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"doc.vtn"}) << "temporary file left behind";
    }
}

TEST(DocumentSave, FolderWithoutWritePermission)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("doc.vtn");
    Document previous = testdoc::sampleDocument();
    ASSERT_EQ(save(previous, path), 0);
    const auto good = testdoc::readBytes(path);
    std::filesystem::permissions(folder.dir(), std::filesystem::perms(0555));

    ScriptedPlatform script;
    ScopedPlatform use(script);
    Document changed = DefaultDocument();
    int result = 0;
    {
        AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "cannot give up root's permissions here";
        result = save(changed, path);
    }
    EXPECT_EQ(result, -1);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "I/O Error");
    EXPECT_NE(script.boxes[0].text.find("doc.vtn"), std::string::npos) << script.boxes[0].text;
    EXPECT_EQ(testdoc::readBytes(path), good);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"doc.vtn"});
}

TEST(DocumentSave, WriteProtectedFileIsNotReplaced)
{
    testdoc::TempFolder folder;
    const std::string path = folder.path("doc.vtn");
    Document previous = testdoc::sampleDocument();
    ASSERT_EQ(save(previous, path), 0);
    const auto good = testdoc::readBytes(path);
    ::chmod(path.c_str(), 0444);
    std::filesystem::permissions(folder.dir(), std::filesystem::perms(0777));

    ScriptedPlatform script;
    ScopedPlatform use(script);
    Document changed = DefaultDocument();
    int result = 0;
    {
        AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "cannot give up root's permissions here";
        result = save(changed, path);
    }
    EXPECT_EQ(result, -1);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "I/O Error");
    EXPECT_EQ(testdoc::readBytes(path), good);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"doc.vtn"});
}

TEST(DocumentSave, LongScanPathIsCutAndTheFileStillLoads)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    testdoc::TempFolder folder;
    const std::string path = folder.path("long.vtn");
    Document d = testdoc::sampleDocument();
    d.ScanColList[0].Path = "/" + std::string(400, 'p') + "/scan.dat";
    ASSERT_EQ(save(d, path), 0);

    Document back = DefaultDocument();
    TDocumentrec rec = Documentrec(back);
    ASSERT_EQ(LoadDocument(path, rec, FileVersionText), 0);
    EXPECT_EQ(back.ScanColList[0].Path, d.ScanColList[0].Path.substr(0, 255));
    EXPECT_EQ(back.ScanColList[1], d.ScanColList[1]);
    EXPECT_TRUE(script.boxes.empty());
}

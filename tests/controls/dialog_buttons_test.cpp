// The OK / Cancel / Help row the dialogs share.
#include <gtest/gtest.h>

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "platform/ScriptedPlatform.h"

namespace {

// A dialog whose OK refuses until it is allowed: the row must call the
// dialog's own accept, not QDialog's.
class Refusing : public QDialog {
public:
    bool allow = false;
    void accept() override
    {
        if (allow)
            QDialog::accept();
    }
};

}  // namespace

TEST(DialogButtons, OkRunsTheDialogsAcceptCancelRejectsHelpAsksAtEachPress)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    Refusing dlg;
    std::string page = "PAGE_A";
    const DialogButtons b = MakeDialogButtons(&dlg, {.CancelTakesEnter = false, .HelpKeyword = [&] { return page; }});
    // The dialog places the row, and owns it from then on.
    (new QVBoxLayout(&dlg))->addLayout(b.Row);
    EXPECT_EQ(b.Row->count(), 4);  // the stretch and three buttons
    EXPECT_TRUE(b.Ok->isDefault());
    EXPECT_FALSE(b.Cancel->autoDefault());
    EXPECT_FALSE(b.Help->autoDefault());

    dlg.setResult(-1);
    b.Ok->click();
    EXPECT_EQ(dlg.result(), -1);
    dlg.allow = true;
    b.Ok->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    b.Cancel->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);

    b.Help->click();
    page = "PAGE_B";
    b.Help->click();
    EXPECT_EQ(script.helpKeywords, (std::vector<std::string>{"PAGE_A", "PAGE_B"}));
}

TEST(DialogButtons, NamesAndCaptionsAreTheDialogsOwn)
{
    QDialog dlg;
    const DialogButtons plain = MakeDialogButtons(&dlg);
    EXPECT_EQ(plain.Ok->objectName(), "OkBtn");
    EXPECT_EQ(plain.Cancel->text(), "Cancel");
    EXPECT_TRUE(plain.Cancel->autoDefault());
    EXPECT_EQ(plain.Help, nullptr);

    const DialogButtons own = MakeDialogButtons(&dlg, {.OkCaption = "&OK", .OkName = nullptr, .CancelCaption = "C&lose",
                                                       .CancelName = "CloseBtn"});
    auto* rows = new QVBoxLayout(&dlg);
    rows->addLayout(plain.Row);
    rows->addLayout(own.Row);
    EXPECT_EQ(own.Ok->text(), "&OK");
    EXPECT_TRUE(own.Ok->objectName().isEmpty());
    EXPECT_EQ(own.Cancel->objectName(), "CloseBtn");
}

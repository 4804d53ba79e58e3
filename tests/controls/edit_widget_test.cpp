// The two numeric edit controls, driven by typed keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>
#include <clocale>
#include <memory>

#include "controls/LabeledRIEdit.h"
#include "controls/RIEdit.h"
#include "platform/ScriptedPlatform.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

enum class Kind { Plain, Labeled };

class EditWidgetTest : public ::testing::TestWithParam<std::tuple<Kind, char>> {
protected:
    void SetUp() override
    {
        script.separator = sep();
        use = std::make_unique<ScopedPlatform>(script);
        parent = std::make_unique<QWidget>();
        if (std::get<0>(GetParam()) == Kind::Plain)
            edit = new TRIEdit(parent.get());
        else
            edit = new TLabeledRIEdit(parent.get());
        edit->setGeometry(10, 30, 100, 22);
        parent->show();
    }

    char sep() const { return std::get<1>(GetParam()); }
    QString s(const char* text) const
    {
        QString r = QString::fromLatin1(text);
        r.replace('.', QChar(sep()));
        return r;
    }
    void type(const QString& keys) { QTest::keyClicks(edit, keys); }

    ScriptedPlatform script;
    std::unique_ptr<ScopedPlatform> use;
    std::unique_ptr<QWidget> parent;
    TRIEdit* edit = nullptr;
};

TEST_P(EditWidgetTest, StartsEmptyAsAPositiveOrNegativeDoubleControl)
{
    EXPECT_EQ(edit->EditType(), reDouble);
    EXPECT_FALSE(edit->Onlypositiv());
    EXPECT_EQ(edit->Enabledtyp(), etMono);
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_EQ(edit->Getdouble(), Riedit::NADN);
    EXPECT_EQ(edit->GetInteger(), Riedit::NAIN);
    EXPECT_EQ(edit->GetLongInt(), int(Riedit::NALN));
    EXPECT_EQ(edit->GetExtended(), Riedit::NAEN);
    EXPECT_FALSE(edit->GethasValue());
}

// Every refused key beeps once through the platform, so that none vanishes
// without a sign (mended: "1e3" in a whole-number field became 13 silently).
TEST_P(EditWidgetTest, TypingFiltersEveryCharacter)
{
    struct Case { TRIEditTyp type; bool onlyPositive; const char* keys; const char* text; int beeps; };
    const Case cases[] = {
        {reDouble, false, "1,", "1.", 0},      {reDouble, false, "1.", "1.", 0},    {reDouble, false, "1a2", "12", 1},
        {reDouble, false, "-3,5", "-3.5", 0},  {reDouble, true, "-", "-", 0},       {reDouble, true, "-5", "-", 1},
        {reInteger, false, "12,", "12", 1},    {reInteger, false, "1.2", "12", 1},  {reLongint, false, "-7", "-7", 0},
        {reExtended, false, "2.5e3", "2.5e3", 0}, {reDouble, false, "1e-3", "1e-3", 0},
        {reDouble, false, "1e-e3", "1e-3", 1}, {reDouble, true, "1e-3", "1e-3", 0},
        {reDouble, false, "-,5E+2", "-.5E+2", 0}, {reText, false, "a,b.c", "a,b.c", 0},
        {reInteger, true, "2147483647", "2147483647", 0}, {reInteger, false, "21474836479", "2147483647", 1},
    };
    for (const auto& c : cases) {
        edit->SethasValue(false);
        edit->SetEditType(c.type);
        edit->SetOnlypositiv(c.onlyPositive);
        script.beeps = 0;
        type(QString::fromLatin1(c.keys));
        EXPECT_EQ(edit->GetText(), c.type == reText ? QString::fromLatin1(c.text) : s(c.text)) << c.keys;
        EXPECT_EQ(script.beeps, c.beeps) << c.keys;
    }
}

TEST_P(EditWidgetTest, ComposedCharactersPassTheFilterToo)
{
    type("12");
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("\u00e9"));  // a dead key and 'e'
    QApplication::sendEvent(edit, &composed);
    EXPECT_EQ(edit->GetText(), "12");
    EXPECT_EQ(edit->cursorPosition(), 2);
    QInputMethodEvent digit;
    digit.setCommitString("3");
    QApplication::sendEvent(edit, &digit);
    EXPECT_EQ(edit->GetText(), "123");
}

TEST_P(EditWidgetTest, TypedValuesReadBackByEveryGetter)
{
    type("1,");
    EXPECT_EQ(edit->Getdouble(), 1.0);
    EXPECT_TRUE(edit->GethasValue());

    edit->SethasValue(false);
    edit->SetOnlypositiv(true);
    type("-");
    EXPECT_EQ(edit->GetText(), "-");
    EXPECT_EQ(edit->Getdouble(), Riedit::NADN);
    EXPECT_FALSE(edit->GethasValue());

    edit->SetOnlypositiv(false);
    edit->SetText(s("-3.5"));
    EXPECT_EQ(edit->GetInteger(), -4);
    edit->SetText(s("2.5"));
    EXPECT_EQ(edit->GetInteger(), 3);
    EXPECT_EQ(edit->GetLongInt(), 3);
    edit->SetText("3e9");
    EXPECT_EQ(edit->GetInteger(), Riedit::NAIN);
    EXPECT_EQ(edit->Getdouble(), 3e9);

    edit->SetEditType(reInteger);
    edit->SetText("2147483647");
    EXPECT_TRUE(edit->GethasValue());
    EXPECT_EQ(edit->GetInteger(), Riedit::NAIN);
}

TEST_P(EditWidgetTest, RejectedKeystrokeRestoresTextAndCaret)
{
    edit->SetOnlypositiv(true);
    edit->SetText("5");
    edit->setCursorPosition(0);
    type("-");
    EXPECT_EQ(edit->GetText(), "5");
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_FALSE(edit->hasSelectedText());

    // A selection replaced by a refused character comes back as text, not as a selection.
    edit->SetText("123");
    edit->setSelection(1, 1);
    type("x");
    EXPECT_EQ(edit->GetText(), "123");
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_FALSE(edit->hasSelectedText());

    // Backspace is filtered too: "1e5" may lose its "5", the start of a
    // number, but not its "1".
    edit->SetText("1e5");
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->GetText(), "1e");
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->GetText(), "1e");
    EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_P(EditWidgetTest, ExponentsTypedKeyByKeyReadBackAsTyped)
{
    struct Case { const char* keys; double value; };
    for (const Case& c : {Case{"1e-3", 0.001}, Case{"1e-300", 1e-300}, Case{"2,5E+2", 250.0},
                          Case{"-.5e1", -5.0}, Case{"1e", Riedit::NADN}, Case{"1e-", Riedit::NADN},
                          Case{".", Riedit::NADN}, Case{"-", Riedit::NADN}}) {
        edit->SethasValue(false);
        type(QString::fromLatin1(c.keys));
        EXPECT_EQ(edit->Getdouble(), c.value) << c.keys;
        EXPECT_EQ(edit->GethasValue(), c.value != Riedit::NADN) << c.keys;
    }
    // An incomplete number is no integer either, and pasting (assigning)
    // stays unfiltered: the getters judge it.
    edit->SethasValue(false);
    type("1e");
    EXPECT_EQ(edit->GetInteger(), Riedit::NAIN);
    edit->SetText("1e-x");
    EXPECT_EQ(edit->GetText(), "1e-x");
    EXPECT_EQ(edit->Getdouble(), Riedit::NADN);
}

TEST_P(EditWidgetTest, SettersWriteTheLocaleTextAndRoundTrip)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    for (double v : {1234567.5, 1e-5, -632.8}) {
        edit->SetDouble(v);
        EXPECT_EQ(edit->Getdouble(), v) << edit->GetText().toStdString();
    }
    edit->SetDouble(1234567.5);
    EXPECT_EQ(edit->GetText(), s("1234567.5"));
    edit->SetExtended(1e-5L);
    EXPECT_EQ(edit->GetExtended(), 1e-5L);
    std::setlocale(LC_ALL, saved.c_str());

    edit->SetDouble(Riedit::NADN);
    EXPECT_EQ(edit->GetText(), "");
    edit->SetExtended(5);
    edit->SetExtended(Riedit::NAEN);
    EXPECT_EQ(edit->GetText(), "");
    edit->SetInteger(42);
    EXPECT_EQ(edit->GetText(), "42");
    edit->SetInteger(Riedit::NAIN);
    EXPECT_EQ(edit->GetText(), "");
    edit->SetLongInt(-7);
    EXPECT_EQ(edit->GetLongInt(), -7);
    edit->SetLongInt(int(Riedit::NALN));
    EXPECT_EQ(edit->GetText(), "");
}

TEST_P(EditWidgetTest, UnchangedTextKeepsTheCaret)
{
    edit->SetDouble(12.5);
    edit->setCursorPosition(1);
    edit->SetDouble(12.5);
    EXPECT_EQ(edit->cursorPosition(), 1);
    edit->SetText(s("12.5"));
    EXPECT_EQ(edit->cursorPosition(), 1);
    edit->SetDouble(13.5);
    EXPECT_EQ(edit->GetText(), s("13.5"));
}

TEST_P(EditWidgetTest, DisabledStateShowsAsTheEnabledTypeSays)
{
    const QColor normal(255, 255, 255);
    const QColor mono = edit->MonoColor();
    edit->SetColor(normal);

    edit->SetEnabled(false);
    EXPECT_FALSE(edit->GetEnabled());
    EXPECT_EQ(edit->Getcolor(), mono);
    EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Base), mono);
    // A colour set while disabled is the one shown after enabling.
    const QColor later(200, 255, 200);
    edit->SetColor(later);
    edit->SetEnabled(true);
    EXPECT_EQ(edit->Getcolor(), later);
    EXPECT_EQ(edit->NormalColor(), later);

    edit->SetEnabledtyp(etEnaVis);
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(edit->Getcolor(), later);
    edit->SetEnabled(true);
    EXPECT_TRUE(edit->isVisible());

    edit->SetEnabledtyp(etStandard);
    edit->SetEnabled(false);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->Getcolor(), later);
}

INSTANTIATE_TEST_SUITE_P(BothControls, EditWidgetTest,
                         ::testing::Combine(::testing::Values(Kind::Plain, Kind::Labeled), ::testing::Values('.', ',')),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == Kind::Plain ? "RIEdit" : "LabeledRIEdit") +
                                    (std::get<1>(info.param) == '.' ? "_point" : "_comma");
                         });

TEST(LabeledRIEdit, LabelFollowsTheEdit)
{
    QWidget parent;
    auto* edit = new TLabeledRIEdit(&parent);
    edit->EditLabel()->setText("Lambda:");
    edit->move(20, 40);
    parent.show();
    EXPECT_EQ(edit->EditLabel()->x(), 20);
    EXPECT_EQ(edit->EditLabel()->geometry().bottom() + 1 + TLabeledRIEdit::LabelSpacing, 40);
    edit->SetEnabledtyp(etEnaVis);
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->EditLabel()->isVisible());
    edit->SetEnabled(true);
    EXPECT_TRUE(edit->EditLabel()->isVisible());
    edit->SetEnabledtyp(etMono);
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->EditLabel()->isEnabled());
}

}  // namespace

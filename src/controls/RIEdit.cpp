#include "controls/RIEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>

#include "platform/Platform.h"

namespace rt = veltrane::riedit;

namespace {
// The inactive-border system colour of the desktop the controls were drawn for.
const QColor clInactiveBorder(212, 208, 200);

std::string utf8(const QString& s) { return s.toStdString(); }
}  // namespace

TRIEdit::TRIEdit(QWidget* parent) : QLineEdit(parent), monoColor_(clInactiveBorder)
{
    normalColor_ = palette().color(QPalette::Active, QPalette::Base);
    QLineEdit::setText(QString());
}

char TRIEdit::separator() { return veltrane::platform().decimalSeparator(); }

QColor TRIEdit::Getcolor() const { return palette().color(QPalette::Active, QPalette::Base); }

void TRIEdit::SetColor(const QColor& c)
{
    if (c == Getcolor())
        return;
    setBackground(c);
    normalColor_ = c;
    update();
}

void TRIEdit::setBackground(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, c);  // all colour groups, the disabled one too
    setPalette(p);
}

void TRIEdit::SetEnabled(bool b)
{
    if (b == isEnabled())
        return;
    setEnabled(b);
    switch (enabledTyp_) {
    case etStandard:
        break;
    case etEnaVis:
        setVisible(b);
        break;
    case etMono:
        setBackground(b ? normalColor_ : monoColor_);
        break;
    }
    update();
}

void TRIEdit::SetEditType(TRIEditTyp t)
{
    if (t == editType_)
        return;
    editType_ = t;
    update();
}

void TRIEdit::SetText(const QString& s)
{
    // Assigning the same text would move the caret to the end.
    if (s == text())
        return;
    QLineEdit::setText(s);
    update();
}

int TRIEdit::GetInteger() const { return rt::integerOf(utf8(text()), separator()); }

int TRIEdit::GetLongInt() const
{
    int v = rt::integerOf(utf8(text()), separator());
    return v == Riedit::NAIN ? int(Riedit::NALN) : v;
}

double TRIEdit::Getdouble() const { return rt::doubleOf(utf8(text()), separator()); }

long double TRIEdit::GetExtended() const { return rt::extendedOf(utf8(text()), separator()); }

void TRIEdit::SetInteger(int v) { SetText(QString::fromStdString(rt::integerText(v))); }

void TRIEdit::SetLongInt(int v) { SetText(v == Riedit::NALN ? QString() : QString::number(v)); }

void TRIEdit::SetDouble(double v) { SetText(QString::fromStdString(rt::doubleText(v, separator()))); }

void TRIEdit::SetExtended(long double v) { SetText(QString::fromStdString(rt::extendedText(v, separator()))); }

bool TRIEdit::GethasValue() const
{
    if (editType_ == reText)
        return !text().isEmpty();
    return TestRIstr(text());
}

void TRIEdit::SethasValue(bool b)
{
    if (!b)
        QLineEdit::setText(QString());
    update();
}

bool TRIEdit::TestRIstr(const QString& s) const
{
    return rt::TestRIstr(utf8(s), editType_, onlyPositive_, separator());
}

void TRIEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool isBackspace = event->key() == Qt::Key_Backspace;
    const bool isChar = typed.size() == 1 && typed[0].unicode() >= 0x20 && typed[0].unicode() != 0x7f;
    if (command || !(isChar || isBackspace)) {
        QLineEdit::keyPressEvent(event);
        return;
    }

    const QString oldText = text();
    // Like the selection start of the edit control: where a selection begins.
    const int oldCaret = hasSelectedText() ? selectionStart() : cursorPosition();
    const char sep = separator();
    if (isChar && typed[0].unicode() < 128) {
        char c = char(typed[0].unicode());
        char mapped = rt::typedChar(c, editType_, sep);
        if (mapped != c) {
            QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(QChar(mapped)),
                               event->isAutoRepeat(), event->count());
            QLineEdit::keyPressEvent(&replaced);
            event->setAccepted(replaced.isAccepted());
        } else {
            QLineEdit::keyPressEvent(event);
        }
    } else {
        QLineEdit::keyPressEvent(event);
    }

    keepOrRestore(oldText, oldCaret);
}

void TRIEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString oldText = text();
    const int oldCaret = hasSelectedText() ? selectionStart() : cursorPosition();
    QLineEdit::inputMethodEvent(event);
    if (!event->commitString().isEmpty())
        keepOrRestore(oldText, oldCaret);
}

void TRIEdit::keepOrRestore(const QString& oldText, int oldCaret)
{
    if (rt::keepTyped(utf8(text()), editType_, onlyPositive_, separator()))
        return;
    QLineEdit::setText(oldText);
    setCursorPosition(oldCaret);
    deselect();
    // A key that vanished without a sign leaves a number other than the
    // one meant ("1e3" typed into a whole-number field reads 13): the
    // desktop's refusal sound says that the key was not taken.
    veltrane::platform().beep();
}

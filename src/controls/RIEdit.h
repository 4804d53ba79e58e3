#pragma once
// A single-line edit for numbers: its edit type decides which texts it holds
// while the user types, its getters give the value or the no-value marker of
// the requested type, and the disabled state can show as a colour or by
// hiding. TLabeledRIEdit adds a caption label and nothing else.

#include <QColor>
#include <QLineEdit>

#include "controls/plain/RIEditText.h"

class TRIEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TRIEdit(QWidget* parent = nullptr);

    QColor Getcolor() const;
    void SetColor(const QColor& c);
    bool GetEnabled() const { return isEnabled(); }
    void SetEnabled(bool b);

    TRIEditTyp EditType() const { return editType_; }
    void SetEditType(TRIEditTyp t);
    bool Onlypositiv() const { return onlyPositive_; }
    void SetOnlypositiv(bool b) { onlyPositive_ = b; }
    TEnabledtyp Enabledtyp() const { return enabledTyp_; }
    void SetEnabledtyp(TEnabledtyp t) { enabledTyp_ = t; }
    QColor MonoColor() const { return monoColor_; }
    void SetMonoColor(const QColor& c) { monoColor_ = c; }
    QColor NormalColor() const { return normalColor_; }

    QString GetText() const { return text(); }
    void SetText(const QString& s);
    int GetInteger() const;
    void SetInteger(int v);
    int GetLongInt() const;
    void SetLongInt(int v);
    double Getdouble() const;
    void SetDouble(double v);
    long double GetExtended() const;
    void SetExtended(long double v);
    bool GethasValue() const;
    void SethasValue(bool b);

    bool TestRIstr(const QString& s) const;
    static int runden(long double x) { return veltrane::riedit::runden(x); }

    // The locale's decimal separator, as the platform reports it.
    static char separator();

protected:
    // Every typed character passes the filter; pasted or assigned text does not.
    void keyPressEvent(QKeyEvent* event) override;
    // Characters composed by the input method (dead keys) pass it as well.
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void setBackground(const QColor& c);
    // Puts the text before a keystroke back, with a beep, when the new one
    // may not stay.
    void keepOrRestore(const QString& oldText, int oldCaret);

    QColor normalColor_;
    TRIEditTyp editType_ = reDouble;
    bool onlyPositive_ = false;
    TEnabledtyp enabledTyp_ = etMono;
    QColor monoColor_;
};

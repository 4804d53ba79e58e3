#pragma once
// The text rules of the numeric edit controls, free of any widget: what a
// control of each edit type accepts, how its text converts to a value (or to
// the no-value marker of the requested type) and back. The decimal separator
// is always an argument, so nothing here depends on the process locale.

#include <string>
#include <string_view>

#include "document/NoValue.h"

// Ordinals are those stored in form resources.
enum TRIEditTyp : unsigned char { reText = 0, reDouble = 1, reInteger = 2, reExtended = 3, reLongint = 4 };
using TLabeledRIEditTyp = TRIEditTyp;
enum TEnabledtyp : unsigned char { etStandard = 0, etEnaVis = 1, etMono = 2 };

namespace Labeledriedit {
using Riedit::NADN;
using Riedit::NAEN;
using Riedit::NAIN;
using Riedit::NALN;
}  // namespace Labeledriedit

namespace veltrane::riedit {

// Halves away from zero; the value must lie within the 32-bit range.
int runden(long double x);

// Whole-text conversions: [sign] digits [sep digits] [e|E [sign] digits],
// with digits on at least one side of the separator. No blanks, no group
// separators, no "inf" or "nan", and only the given separator.
bool textToExtended(std::string_view text, char sep, long double& out);
// As textToExtended, and the value must be finite as a double.
bool textToDouble(std::string_view text, char sep, double& out);
// [sign] digits within the 32-bit signed range.
bool textToInt32(std::string_view text, int& out);

// The value getters of the controls: the marker of the type on failure.
double doubleOf(std::string_view text, char sep);
long double extendedOf(std::string_view text, char sep);
// Through the float conversion and runden; out of the 32-bit range is NAIN.
int integerOf(std::string_view text, char sep);

// Texts for the value setters: the marker gives the empty text, any other
// value the general form with 15 significant digits ("1234567.5", "1E-5").
std::string doubleText(double v, char sep);
std::string extendedText(long double v, char sep);
std::string integerText(int v);

// Whether s holds a value of the type (reText accepts everything).
bool TestRIstr(std::string_view s, TRIEditTyp type, bool onlyPositive, char sep);

// Whether s is the start of a number of the type that is not yet one:
// "-", "+", ".", "2e", "2e-" for the floating types, a lone sign for the
// integer types. With onlyPositive the only start with a minus is "-".
bool isNumberStart(std::string_view s, TRIEditTyp type, bool onlyPositive, char sep);
// The character a control of the type inserts for a typed character.
char typedChar(char c, TRIEditTyp type, char sep);
// Whether the text a keystroke produced may stay: empty, the start of a
// number, or a value of the type. A start has no value yet: the getters
// give the no-value marker, as for an empty control.
bool keepTyped(std::string_view newText, TRIEditTyp type, bool onlyPositive, char sep);

}  // namespace veltrane::riedit

#include <gtest/gtest.h>

#include <complex>
#include <limits>

#include "optics/MathError.h"
#include "platform/ScriptedPlatform.h"

using Complex = std::complex<double>;

TEST(MathErrors, MessageTextAndWhatIsNotAnError)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    script.separator = ',';
    try {
        vmath::acos(1.5);
        FAIL() << "acos(1.5) must raise";
    } catch (const veltrane::EMathError& e) {
        EXPECT_STREQ(e.what(), "Math. Error:Argument ungültig\nfunction:   acos\nArgumente:   [1,5 ; 0]");
    }
    EXPECT_EQ(vmath::exp(-800.0), 0.0);  // underflow of an evanescent wave is fine
    EXPECT_THROW(vmath::exp(800.0), veltrane::EMathError);
    EXPECT_THROW(vmath::log(0.0), veltrane::EMathError);
    EXPECT_THROW(vmath::sqrt(-1.0), veltrane::EMathError);
    EXPECT_THROW(vmath::div(Complex(1, 0), Complex(0, 0)), veltrane::EMathError);
    EXPECT_THROW(vmath::checked(std::numeric_limits<double>::quiet_NaN(), "x"), veltrane::EMathError);
    EXPECT_EQ(MathErrorText(MathErrKind::Singularity, "log", 0.0, 0.0, '.'),
              "Math. Error:math. Singularität\nfunction:   log\nArgumente:   [0 ; 0]");
    EXPECT_NE(MathErrorText(MathErrKind::Overflow, "exp", 800, 0, '.').find("Überlauf"), std::string::npos);
    EXPECT_NE(MathErrorText(MathErrKind::Other, "f", 0, 0, '.').find("allg. Fehler"), std::string::npos);
}

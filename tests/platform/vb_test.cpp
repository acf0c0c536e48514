// The run-time conversions that stored files and protocol lines depend on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/vb.h"
#include "platform/vberror.h"
#include "support/test_support.h"

namespace {

using grisk_test::errorOf;

// ---- Str --------------------------------------------------------------------

TEST(VbStr, WholeNumbersAndBooleans) {
    EXPECT_EQ(vb::Str(7), " 7");
    EXPECT_EQ(vb::Str(-3), "-3");
    EXPECT_EQ(vb::Str(0), " 0");
    EXPECT_EQ(vb::Str(-2147483647LL - 1), "-2147483648");
    EXPECT_EQ(vb::Str(9000000000LL), " 9000000000");
    EXPECT_EQ(vb::Str(true), "-1");
    EXPECT_EQ(vb::Str(false), " 0");
}

TEST(VbStr, Doubles) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {3.0, " 3"},
        {-12.0, "-12"},
        {100.0, " 100"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {1.5, " 1.5"},
        {0.05, " .05"},
        {0.0001, " .0001"},
        {0.1 + 0.2, " .3"},  // 15 significant digits hide the binary error
        {1.0 / 3.0, " .333333333333333"},
        {2.0 / 3.0, " .666666666666667"},
        {123456789012345.0, " 123456789012345"},
        {999999999999999.9, " 1E+15"},  // rounding carries into a new digit
        {1e15, " 1E+15"},
        {-1.5e20, "-1.5E+20"},
        {1e-5, " 1E-05"},
        {-2.5e-7, "-2.5E-07"},
        {1e100, " 1E+100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::Str(c.value), QString::fromLatin1(c.text)) << c.value;
    }
}

TEST(VbStr, DoubleWrittenThenReadBack) {
    for (double d : {0.5, -17.125, 1234.5678, 1e-5, 6.02e23, -3.0}) {
        EXPECT_DOUBLE_EQ(vb::Val(vb::Str(d)), d) << d;
    }
}

TEST(VbStr, InfinityIsAnOverflow) {
    EXPECT_EQ(errorOf([] { vb::Str(std::numeric_limits<double>::infinity()); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { vb::Str(std::nan("")); }), vb::ErrOverflow);
}

// ---- Val --------------------------------------------------------------------

TEST(VbVal, DecimalText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"42", 42},
        {" 3# 7", 3},
        {"1 2 3", 123},
        {"\t-\n4 5", -45},
        {"+8", 8},
        {"--5", 0},
        {"-1.5e2x", -150},
        {"2.5D-1", 0.25},
        {"1E+3", 1000},
        {"1e", 1},  // an exponent needs a digit
        {"7e+", 7},
        {".5", 0.5},
        {"-.", 0},
        {"1.2.3", 1.2},
        {"1,000", 1},
        {"12\r34", 12},  // a carriage return is not skipped
        {"5\xe9", 5},
        {"1e-400", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(vb::Val(QString::fromLatin1(c.text)), c.value) << c.text;
    }
}

TEST(VbVal, HexAndOctalAreSigned16Or32Bit) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"&H1F", 31},
        {"&hff", 255},
        {" & H 1 F", 31},
        {"&H7FFF", 32767},
        {"&H8000", -32768},
        {"&HFFFF", -1},
        {"&H10000", 65536},
        {"&H7FFFFFFF", 2147483647},
        {"&H80000000", -2147483648.0},
        {"&HFFFFFFFF", -1},
        {"&H1G", 1},
        {"&H", 0},
        {"&O17", 15},
        {"&17", 15},
        {"&O177777", -1},
        {"&18", 1},
        {"&8", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(vb::Val(QString::fromLatin1(c.text)), c.value) << c.text;
    }
}

TEST(VbVal, TooLargeIsAnOverflow) {
    EXPECT_EQ(errorOf([] { vb::Val("1e400"); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { vb::Val("-1e400"); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { vb::Val("&H100000000"); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { vb::Val("&O40000000000"); }), vb::ErrOverflow);
}

// ---- Rounding and whole numbers -------------------------------------------

TEST(VbRounding, HalfGoesToEven) {
    const struct {
        double in;
        int out;
    } cases[] = {
        {0.5, 0},   {1.5, 2},     {2.5, 2},       {3.5, 4},      {-0.5, 0},
        {-1.5, -2}, {-2.5, -2},   {-3.5, -4},     {2.4999, 2},   {2.5001, 3},
        {-2.5001, -3}, {32767.4, 32767}, {-32768.5, -32768}, {7.0, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::RoundHalfEven(c.in), c.out) << c.in;
        EXPECT_EQ(vb::CInt(c.in), c.out) << c.in;
        EXPECT_EQ(vb::CLng(c.in), c.out) << c.in;
    }
    EXPECT_EQ(vb::RoundHalfEven(1e10 + 0.5), 1e10);
}

TEST(VbRounding, CIntAndCLngOverflow) {
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    for (double d : {32767.5, 32768.0, -32768.6, -32769.0, 1e300, nan, -inf}) {
        EXPECT_EQ(errorOf([d] { vb::CInt(d); }), vb::ErrOverflow) << d;
    }
    for (double d : {2147483647.5, 2147483648.0, -2147483648.6, -1e12, nan, inf}) {
        EXPECT_EQ(errorOf([d] { vb::CLng(d); }), vb::ErrOverflow) << d;
    }
    EXPECT_EQ(vb::CLng(2147483647.4), 2147483647);
    EXPECT_EQ(vb::CLng(-2147483648.5), -2147483647 - 1);
}

TEST(VbRounding, IntFloorsAndFixTruncates) {
    EXPECT_EQ(vb::Int(2.7), 2);
    EXPECT_EQ(vb::Fix(2.7), 2);
    EXPECT_EQ(vb::Int(-2.5), -3);
    EXPECT_EQ(vb::Fix(-2.5), -2);
    EXPECT_EQ(vb::Int(-3.0), -3);
}

TEST(VbRounding, ToIntegerKeepsTo16Bits) {
    EXPECT_EQ(vb::ToInteger(32767), 32767);
    EXPECT_EQ(vb::ToInteger(-32768), -32768);
    EXPECT_EQ(errorOf([] { vb::ToInteger(32768); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { vb::ToInteger(-32769); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { vb::ToInteger(1LL << 40); }), vb::ErrOverflow);
}

// ---- Errors -----------------------------------------------------------------

TEST(VbError, RaiseCarriesNumberAndDescription) {
    try {
        vb::raise(vb::ErrFileNotFound);
        FAIL() << "raise returned";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_STREQ(e.what(), "File not found");
    }
    try {
        vb::raise(vb::ErrSubscript, "Player 7 out of range");
        FAIL() << "raise returned";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 9);
        EXPECT_STREQ(e.what(), "Player 7 out of range");
    }
}

TEST(VbError, Descriptions) {
    EXPECT_EQ(vb::errorDescription(5), "Invalid procedure call or argument");
    EXPECT_EQ(vb::errorDescription(6), "Overflow");
    EXPECT_EQ(vb::errorDescription(59), "Bad record length");
    EXPECT_EQ(vb::errorDescription(91), "Object variable or With block variable not set");
    EXPECT_EQ(vb::errorDescription(340), "Control array element doesn't exist");
    EXPECT_EQ(vb::errorDescription(1000), "Application-defined or object-defined error");
    EXPECT_EQ(vb::errorDescription(0), "Application-defined or object-defined error");
}

// ---- Text -------------------------------------------------------------------

TEST(VbText, TrimRemovesBlanksOnly) {
    EXPECT_EQ(vb::Trim("  a b  "), "a b");
    EXPECT_EQ(vb::LTrim("  a b  "), "a b  ");
    EXPECT_EQ(vb::RTrim("  a b  "), "  a b");
    EXPECT_EQ(vb::Trim("\ta\n"), "\ta\n");
    EXPECT_EQ(vb::Trim("    "), "");
}

TEST(VbText, LeftRightAndSpace) {
    EXPECT_EQ(vb::Left("abc", 2), "ab");
    EXPECT_EQ(vb::Left("abc", 9), "abc");
    EXPECT_EQ(vb::Left("abc", 0), "");
    EXPECT_EQ(vb::Right("abc", 2), "bc");
    EXPECT_EQ(vb::Right("abc", 9), "abc");
    EXPECT_EQ(vb::Space(3), "   ");
    EXPECT_EQ(vb::Space(0), "");
    EXPECT_EQ(vb::UCase(QString::fromUtf8("gr\u00e9 x1")), QString::fromUtf8("GR\u00c9 X1"));
    EXPECT_EQ(errorOf([] { vb::Left("abc", -1); }), vb::ErrInvalidCall);
    EXPECT_EQ(errorOf([] { vb::Right("abc", -1); }), vb::ErrInvalidCall);
    EXPECT_EQ(errorOf([] { vb::Space(-1); }), vb::ErrInvalidCall);
}

TEST(VbText, Mid) {
    const struct {
        const char* text;
        int start;
        int length;
        const char* result;
    } cases[] = {
        {"abcdef", 2, 3, "bcd"},
        {"abcdef", 2, -1, "bcdef"},
        {"abcdef", 1, 0, ""},
        {"abcdef", 6, 10, "f"},
        {"abcdef", 7, -1, ""},
        {"abcdef", 100, 2, ""},
        {"", 1, -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::Mid(c.text, c.start, c.length), c.result)
            << c.text << " " << c.start << " " << c.length;
    }
    EXPECT_EQ(vb::Mid("abc", 2), "bc");
    EXPECT_EQ(errorOf([] { vb::Mid("abc", 0); }), vb::ErrInvalidCall);
    EXPECT_EQ(errorOf([] { vb::Mid("abc", -3, 1); }), vb::ErrInvalidCall);
    EXPECT_EQ(errorOf([] { vb::Mid("abc", 1, -2); }), vb::ErrInvalidCall);
}

TEST(VbText, InStr) {
    const struct {
        int start;
        const char* haystack;
        const char* needle;
        int position;
    } cases[] = {
        {1, "abcabc", "c", 3},
        {3, "abcabc", "c", 3},
        {4, "abcabc", "c", 6},
        {7, "abcabc", "c", 0},
        {1, "abcabc", "ca", 3},
        {1, "abc", "abcd", 0},
        {1, "abc", "x", 0},
        {1, "ABC", "b", 0},  // comparison is case-sensitive
        {2, "abc", "", 2},
        {4, "abc", "", 4},
        {5, "abc", "", 0},
        {1, "", "", 1},
        {1, "", "a", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::InStr(c.start, c.haystack, c.needle), c.position)
            << c.start << " '" << c.haystack << "' '" << c.needle << "'";
    }
    EXPECT_EQ(errorOf([] { vb::InStr(0, "abc", "a"); }), vb::ErrInvalidCall);
}

}  // namespace

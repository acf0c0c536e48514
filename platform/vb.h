// The conversions of the form run time that stored files, protocol lines and
// message texts rely on.
#pragma once

#include <cstdint>
#include <QString>

namespace vb {

// Str(): a leading blank before a number that is not negative, the minus
// sign before a negative one; whole numbers have no decimal point, others
// at most 15 significant digits without a leading zero ("0.5" is " .5").
QString Str(long long n);
QString Str(int n);
QString Str(double d);
// A True Boolean is written "-1", False " 0".
QString Str(bool b);

// Val(): the leading number of the text, 0 when there is none. Blanks, tabs
// and line feeds are skipped anywhere; "&H" and "&O" prefixes read hex and
// octal; a decimal point and an exponent (E or D) are accepted.
double Val(const QString& s);

// CInt/CLng: round half to even, then raise error 6 outside 16 or 32 bits.
int16_t CInt(double d);
int32_t CLng(double d);
// Round half to even without a range check.
double RoundHalfEven(double d);
// Int(): the greatest whole number not above d; Fix(): d without its fraction.
double Int(double d);
double Fix(double d);

// A 16-bit store of a wider value: raises error 6 when it does not fit.
int16_t ToInteger(long long v);
// A 16-bit store that keeps the nearest value that fits (-32768..32767).
int16_t ClampToInteger(long long v);

// Colours as the run time keeps them: &HBBGGRR in a 32-bit Long.
constexpr int32_t RGB(int r, int g, int b) {
    return static_cast<int32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int ColorRed(int32_t c) { return c & 0xFF; }
constexpr int ColorGreen(int32_t c) { return (c >> 8) & 0xFF; }
constexpr int ColorBlue(int32_t c) { return (c >> 16) & 0xFF; }

// Text helpers with the run time's meaning (1-based positions).
QString Trim(const QString& s);    // blanks only, not tabs or line feeds
QString LTrim(const QString& s);
QString RTrim(const QString& s);
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
QString Mid(const QString& s, int start, int length = -1);
int InStr(int start, const QString& haystack, const QString& needle);
QString UCase(const QString& s);
QString Space(int n);

}  // namespace vb

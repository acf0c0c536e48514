#include "platform/vb.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/vberror.h"

namespace vb {

// ---- Errors ---------------------------------------------------------------

std::string errorDescription(int number) {
    switch (number) {
    case ErrInvalidCall: return "Invalid procedure call or argument";
    case ErrOverflow: return "Overflow";
    case ErrSubscript: return "Subscript out of range";
    case ErrDivByZero: return "Division by zero";
    case ErrTypeMismatch: return "Type mismatch";
    case ErrBadFileName: return "Bad file name or number";
    case ErrFileNotFound: return "File not found";
    case ErrBadFileMode: return "Bad file mode";
    case ErrFileAlreadyOpen: return "File already open";
    case ErrDeviceIO: return "Device I/O error";
    case ErrBadRecordLength: return "Bad record length";
    case ErrDiskFull: return "Disk full";
    case ErrInputPastEnd: return "Input past end of file";
    case ErrBadRecordNumber: return "Bad record number";
    case ErrPathFileAccess: return "Path/File access error";
    case ErrPathNotFound: return "Path not found";
    case ErrObjectNotSet: return "Object variable or With block variable not set";
    case ErrResourceNotFound: return "Resource with identifier not found";
    case ErrControlArrayElement: return "Control array element doesn't exist";
    default: return "Application-defined or object-defined error";
    }
}

void raise(int number) { throw Error(number, errorDescription(number)); }

void raise(int number, const std::string& description) { throw Error(number, description); }

// ---- Str ------------------------------------------------------------------

QString Str(long long n) {
    const QString digits = QString::number(n);
    return n < 0 ? digits : QLatin1Char(' ') + digits;
}

QString Str(int n) { return Str(static_cast<long long>(n)); }

QString Str(bool b) { return b ? QStringLiteral("-1") : QStringLiteral(" 0"); }

QString Str(double d) {
    // The run time never holds an infinity or a NaN: the arithmetic that
    // would make one has already raised Overflow.
    if (!std::isfinite(d)) raise(ErrOverflow);
    if (d == 0) return QStringLiteral(" 0");

    // 15 significant digits, as d.ddddddddddddddde[+-]x.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(d),
                                   std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    int exp = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1),
                    sci.data() + sci.size(), exp);
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string out = d < 0 ? "-" : " ";
    if (exp >= 15 || exp < -4) {
        // "1.5E+20", "1E-05": at least two exponent digits.
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        const std::string e = std::to_string(std::abs(exp));
        out += (exp < 0 ? "E-" : "E+") + std::string(e.size() < 2 ? 1 : 0, '0') + e;
    } else if (exp >= 0) {
        const size_t whole = static_cast<size_t>(exp) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + "." + digits.substr(whole);
        }
    } else {
        // No leading zero before the point: " .05".
        out += "." + std::string(static_cast<size_t>(-exp - 1), '0') + digits;
    }
    return QString::fromLatin1(out);
}

// ---- Val ------------------------------------------------------------------

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&H.." and "&O.." (or plain "&..") numbers. Values that fit 16 bits are
// an Integer and those that fit 32 bits a Long, both read as signed, so
// "&HFFFF" is -1 and "&H8000" is -32768; wider values overflow.
double radixValue(const std::string& t) {
    size_t i = 1;
    int base = 8;
    if (i < t.size() && (t[i] == 'H' || t[i] == 'h')) {
        base = 16;
        ++i;
    } else if (i < t.size() && (t[i] == 'O' || t[i] == 'o')) {
        ++i;
    }
    unsigned long long value = 0;
    for (; i < t.size() && digitValue(t[i]) < base; ++i) {
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digitValue(t[i]));
        if (value > 0xFFFFFFFFull) raise(ErrOverflow);
    }
    if (value <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// The decimal exponent of the leading digit, used only to tell an
// overflow from an underflow when the number is out of a double's range.
long long leadingExponent(const std::string& whole, const std::string& frac, long long exp) {
    const auto w = whole.find_first_not_of('0');
    if (w != std::string::npos) return static_cast<long long>(whole.size() - w) - 1 + exp;
    const auto f = frac.find_first_not_of('0');
    if (f == std::string::npos) return 0;
    return -static_cast<long long>(f) - 1 + exp;
}

double decimalValue(const std::string& t) {
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';

    std::string whole, frac;
    while (i < t.size() && isDigit(t[i])) whole += t[i++];
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) frac += t[i++];
    }
    if (whole.empty() && frac.empty()) return 0;

    // An exponent counts only when a digit follows: "1e" and "1e+" read as 1.
    std::string expText;
    long long exp = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < t.size() && (t[j] == '-' || t[j] == '+')) expNegative = t[j++] == '-';
        std::string expDigits;
        while (j < t.size() && isDigit(t[j])) {
            expDigits += t[j];
            exp = std::min(exp * 10 + (t[j] - '0'), 1'000'000LL);
            ++j;
        }
        if (!expDigits.empty()) {
            expText = (expNegative ? "e-" : "e") + expDigits;
            if (expNegative) exp = -exp;
        }
    }

    const std::string text = (whole.empty() ? "0" : whole) + "." + frac + expText;
    double value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (leadingExponent(whole, frac, exp) > 0) raise(ErrOverflow);
        value = 0;
    }
    return negative ? -value : value;
}

}  // namespace

double Val(const QString& s) {
    // Blanks, tabs and line feeds do not count anywhere; any other character
    // that cannot continue the number ends it. Only ASCII can be part of one.
    std::string t;
    t.reserve(static_cast<size_t>(s.size()));
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n') continue;
        if (u > 0x7F) break;
        t += static_cast<char>(u);
    }
    if (!t.empty() && t[0] == '&') return radixValue(t);
    return decimalValue(t);
}

// ---- Rounding and whole numbers --------------------------------------------

double RoundHalfEven(double d) {
    if (!std::isfinite(d)) return d;
    const double down = std::floor(d);
    const double fraction = d - down;  // exact for every double
    if (fraction < 0.5) return down;
    if (fraction > 0.5) return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

int16_t CInt(double d) {
    const double r = RoundHalfEven(d);
    if (!(r >= -32768.0 && r <= 32767.0)) raise(ErrOverflow);  // NaN fails too
    return static_cast<int16_t>(r);
}

int32_t CLng(double d) {
    const double r = RoundHalfEven(d);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) raise(ErrOverflow);
    return static_cast<int32_t>(r);
}

double Int(double d) { return std::floor(d); }

double Fix(double d) { return std::trunc(d); }

int16_t ToInteger(long long v) {
    if (v < -32768 || v > 32767) raise(ErrOverflow);
    return static_cast<int16_t>(v);
}

int16_t ClampToInteger(long long v) { return static_cast<int16_t>(std::clamp<long long>(v, -32768, 32767)); }

// ---- Text -------------------------------------------------------------------

QString LTrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

QString RTrim(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == QLatin1Char(' ')) --n;
    return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }

QString Left(const QString& s, int n) {
    if (n < 0) raise(ErrInvalidCall);
    return s.left(n);
}

QString Right(const QString& s, int n) {
    if (n < 0) raise(ErrInvalidCall);
    return s.right(n);
}

// A length of -1 stands for "the rest of the text"; other negative lengths
// and starts below 1 are invalid calls.
QString Mid(const QString& s, int start, int length) {
    if (start < 1 || length < -1) raise(ErrInvalidCall);
    if (start > s.size()) return QString();
    return length == -1 ? s.mid(start - 1) : s.mid(start - 1, length);
}

// Binary (case-sensitive) comparison. An empty needle is found at start as
// long as start is at most one past the end.
int InStr(int start, const QString& haystack, const QString& needle) {
    if (start < 1) raise(ErrInvalidCall);
    if (start > haystack.size() + 1) return 0;
    if (needle.isEmpty()) return start;
    const qsizetype at = haystack.indexOf(needle, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

QString UCase(const QString& s) { return s.toUpper(); }

QString Space(int n) {
    if (n < 0) raise(ErrInvalidCall);
    return QString(n, QLatin1Char(' '));
}

}  // namespace vb

// Helpers shared by the record codecs: integer arrays in the order the
// record files keep them, and the text of a fixed-width field.
#pragma once

#include <QString>
#include <array>
#include <tuple>

#include "platform/recordfile.h"
#include "platform/vbarray.h"

namespace grisk {

// Visits every index of a in the files' order: the first index runs
// fastest, then the second, and so on (element (c, r) of a (0 To 3, 0 To 2)
// array is word c + 4r). visit gets the index as a std::array<int, N>.
template <class T, int N, class F>
void ForEachIndexInFileOrder(const vb::Array<T, N>& a, F visit) {
    std::array<int, N> idx{};
    for (int d = 0; d < N; ++d) {
        if (a.ubound(d + 1) < a.lbound(d + 1)) return;
        idx[d] = a.lbound(d + 1);
    }
    for (;;) {
        visit(idx);
        int d = 0;
        while (d < N && ++idx[d] > a.ubound(d + 1)) {
            idx[d] = a.lbound(d + 1);
            ++d;
        }
        if (d == N) return;
    }
}

// Writes every element as a 16-bit word (error 6 for a value that does not
// fit), in the files' order.
template <int N>
void PutInt16Array(vb::RecordWriter& w, const vb::Array<int, N>& a) {
    ForEachIndexInFileOrder(a, [&](const std::array<int, N>& i) {
        w.putInt16(std::apply([&](auto... k) { return a(k...); }, i));
    });
}

template <int N>
void GetInt16Array(vb::RecordReader& r, vb::Array<int, N>& a) {
    ForEachIndexInFileOrder(a, [&](const std::array<int, N>& i) {
        std::apply([&](auto... k) -> int& { return a(k...); }, i) = r.getInt16();
    });
}

// The text of a fixed-width field as the program uses it: everything before
// the first zero character (a field that was never written is all zeros),
// without the blanks around it.
QString StoredText(const QString& field);
// True when a record's text field can keep the text: every character is
// one of the 256 the files store in a byte.
bool FitsStoredText(const QString& text);

// A 16-bit flag as the files keep it: -1 for true, 0 for false.
constexpr int FlagWord(bool on) { return on ? -1 : 0; }

}  // namespace grisk

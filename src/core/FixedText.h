#pragma once
// Fixed character arrays of the records: capacity N includes the terminating
// NUL, so a Text<31> holds at most 30 bytes (Windows-1252). Every assignment
// cuts to N-1 bytes and nothing is ever written past the end.

#include "core/Cp1252.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace IndexCheck {
void report(long index, long first, long last);
}

// A writable character buffer of known capacity (including the NUL); the
// destination of every function that fills a fixed field.
struct TextZiel {
    char* daten;
    std::size_t kapazitaet;

    TextZiel(char* p, std::size_t kap) : daten(p), kapazitaet(kap) {}
    template <std::size_t N>
    TextZiel(char (&a)[N]) : daten(a), kapazitaet(N) {}
};

template <std::size_t N>
class Text {
    static_assert(N >= 1, "a text needs room for its NUL");

public:
    static constexpr std::size_t kapazitaet = N;

    Text() = default;
    Text(const char* s) { setzen(s); }
    Text(std::string_view s) { setzen(s); }

    Text& operator=(const char* s) { setzen(s); return *this; }
    Text& operator=(std::string_view s) { setzen(s); return *this; }
    template <std::size_t M>
    Text& operator=(const Text<M>& t) { setzen(t.view()); return *this; }

    void setzen(const char* s) { setzen(std::string_view(s ? s : "")); }
    void setzen(std::string_view s)
    {
        const std::size_t n = std::min(s.size(), N - 1);
        std::memmove(m_daten, s.data(), n);
        std::memset(m_daten + n, 0, N - n);
    }
    void setzen(const QByteArray& b) { setzen(std::string_view(b.constData(), std::size_t(b.size()))); }
    // From a window or a settings value: encoded to Windows-1252, then cut.
    void setzenText(const QString& s) { setzen(Cp1252::encode(s)); }

    void leeren() { std::memset(m_daten, 0, N); }

    const char* c_str() const { return m_daten; }
    char* daten() { return m_daten; }
    operator TextZiel() { return TextZiel(m_daten, N); }

    // Length up to the first NUL (at most N-1: the last byte is always NUL).
    std::size_t laenge() const { return ::strnlen(m_daten, N); }
    bool leer() const { return m_daten[0] == 0; }
    std::string_view view() const { return std::string_view(m_daten, laenge()); }
    QByteArray bytes() const { return QByteArray(m_daten, qsizetype(laenge())); }
    QString text() const { return Cp1252::decode(m_daten, qsizetype(laenge())); }

    // Character k, counted from 1 as the records count positions (1..N).
    char& zeichen(long k)
    {
        if (k < 1 || k > long(N)) {
            IndexCheck::report(k, 1, long(N));
            static char scratch;
            scratch = 0;
            return scratch;
        }
        return m_daten[k - 1];
    }
    char zeichen(long k) const { return const_cast<Text*>(this)->zeichen(k); }

    bool operator==(const Text& o) const { return view() == o.view(); }
    bool operator==(std::string_view s) const { return view() == s; }
    bool operator==(const char* s) const { return view() == std::string_view(s); }

private:
    char m_daten[N] = {};
};

// Result held twice, as digit text for display and as number for computing.
template <std::size_t N, typename Z = unsigned short>
struct TextZahl {
    ::Text<N> Text;
    Z Zahl = 0;

    void leeren()
    {
        Text.leeren();
        Zahl = 0;
    }
    bool operator==(const TextZahl&) const = default;
};

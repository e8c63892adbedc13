// Short strings of the records (unit names, facings, item texts): a fixed buffer holding at most
// N characters; a longer text is cut to its first N characters when it is stored.
#pragma once
#include <cstddef>
#include <cstring>
#include <string>

template <int N>
struct textocurto {
    char s[N * 4 + 1] = {};  // UTF-8: up to four bytes per character, then the terminating zero

    textocurto() = default;
    textocurto(const char* t) { atribui(t); }
    textocurto(const std::string& t) { atribui(t.c_str()); }
    textocurto& operator=(const char* t) { atribui(t); return *this; }
    textocurto& operator=(const std::string& t) { atribui(t.c_str()); return *this; }

    std::string str() const { return std::string(s); }
    operator std::string() const { return str(); }
    bool operator==(const char* t) const { return std::strcmp(s, t) == 0; }
    bool vazio() const { return s[0] == 0; }

    // Copies whole characters of t until N of them are stored; a stray byte counts as one character.
    void atribui(const char* t) {
        size_t i = 0, fora = 0;
        for (int n = 0; t != nullptr && t[i] != 0 && n < N; n++) {
            unsigned char c = static_cast<unsigned char>(t[i]);
            size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
            for (size_t k = 0; k < len && t[i] != 0; k++) s[fora++] = t[i++];
        }
        s[fora] = 0;
    }
};

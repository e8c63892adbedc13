// Files in the working folder; names are matched without regard to case, one folder level at a time.
#include "media/media.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

static bool mesmonome(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); i++)
        if (std::tolower(uint8_t(a[i])) != std::tolower(uint8_t(b[i]))) return false;
    return true;
}

std::string FindFile(const std::string& name) {
    if (name.empty()) return {};
    fs::path atual = ".";
    size_t start = 0;
    std::error_code ec;
    while (start <= name.size()) {
        size_t slash = name.find('/', start);
        std::string parte = name.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        start = slash == std::string::npos ? name.size() + 1 : slash + 1;
        if (parte.empty() || parte == ".") continue;
        if (parte == "..") return {};
        fs::path exato = atual / parte;
        if (fs::exists(exato, ec)) {
            atual = exato;
            continue;
        }
        bool achou = false;
        for (fs::directory_iterator it(atual, ec), end; !ec && it != end; it.increment(ec))
            if (mesmonome(it->path().filename().string(), parte)) {
                atual = it->path();
                achou = true;
                break;
            }
        if (!achou) return {};
    }
    if (!fs::is_regular_file(atual, ec)) return {};
    std::string s = atual.lexically_normal().string();
    return s;
}

bool FileExists(const std::string& name) { return !FindFile(name).empty(); }

bool ReadWholeFile(const std::string& name, std::vector<uint8_t>& out) {
    out.clear();
    std::string path = FindFile(name);
    if (path.empty()) return false;
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    if (ec || size > (uintmax_t(512) << 20)) return false;  // nothing the game reads is this large
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    out.resize(size_t(size));
    f.read(reinterpret_cast<char*>(out.data()), std::streamsize(size));
    return bool(f) || f.gcount() == std::streamsize(size);
}

bool WriteTextLines(const std::string& name, const std::vector<std::string>& lines) {
    std::string path = FindFile(name);
    if (path.empty()) path = name;
    std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        for (const std::string& l : lines) f << l << "\r\n";
        f.flush();
        if (!f) {
            f.close();
            std::remove(tmp.c_str());
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) std::remove(tmp.c_str());
    return !ec;
}

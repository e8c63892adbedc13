// Files in the content folder and the player's folder; names are matched without regard to case,
// one folder level at a time.
#include "media/media.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
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

namespace {
// Both are the working folder until the program says otherwise.
std::string pastas[2] = {".", "."};
}  // namespace

void SetFolder(Pasta p, const std::string& caminho) { pastas[int(p)] = caminho.empty() ? "." : caminho; }
const std::string& Folder(Pasta p) { return pastas[int(p)]; }

std::string FindFile(const std::string& name, Pasta p) {
    if (name.empty()) return {};
    fs::path atual = pastas[int(p)];
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

bool FileExists(const std::string& name, Pasta p) { return !FindFile(name, p).empty(); }

bool ReadWholeFile(const std::string& name, std::vector<uint8_t>& out, Pasta p) {
    out.clear();
    std::string path = FindFile(name, p);
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

namespace {

// All of `texto` into the open file, however many calls it takes.
bool escrevetudo(int fd, const std::string& texto) {
    size_t feito = 0;
    while (feito < texto.size()) {
        ssize_t n = ::write(fd, texto.data() + feito, texto.size() - feito);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        feito += size_t(n);
    }
    return true;
}

// The folder's entry for the renamed file reaches the disk too.
void sincronizapasta(const fs::path& arquivo) {
    fs::path pasta = arquivo.parent_path();
    int fd = ::open(pasta.empty() ? "." : pasta.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool WriteTextLines(const std::string& name, const std::vector<std::string>& lines, Pasta p) {
    std::string path = FindFile(name, p);
    if (path.empty()) path = (fs::path(pastas[int(p)]) / name).lexically_normal().string();
    std::string tmp = path + ".tmp";
    std::string texto;
    for (const std::string& l : lines) texto += l + "\r\n";
    // 1. a temporary file left by a write that was cut short goes first, so the new one is a
    // fresh file of its own (a leftover link would otherwise be written through)
    std::error_code ec;
    auto antigo = fs::symlink_status(tmp, ec);
    if (!ec && (fs::is_regular_file(antigo) || fs::is_symlink(antigo))) ::unlink(tmp.c_str());
    // 2. the lines, on the disk before the rename, so a power cut leaves the old save or the new one
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return false;
    bool certo = escrevetudo(fd, texto) && ::fsync(fd) == 0;
    certo = ::close(fd) == 0 && certo;
    if (!certo) {
        ::unlink(tmp.c_str());
        return false;
    }
    // 3. the new file takes the old one's place in one step
    fs::rename(tmp, path, ec);
    if (ec) {
        ::unlink(tmp.c_str());
        return false;
    }
    sincronizapasta(path);
    return true;
}

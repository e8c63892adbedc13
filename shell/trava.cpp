// The lock on the player's folder: flock on the folder's own descriptor, which stays open until the
// program ends, so the lock goes with the process however it ends.
#include "shell/trava.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace {
int descritor = -1;
bool ocupada = false;
}  // namespace

bool travapasta(const std::string& pasta) {
    if (descritor >= 0) ::close(descritor);
    descritor = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ocupada = false;
    if (descritor < 0) return true;
    if (::flock(descritor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) ocupada = true;
    return !ocupada;
}

bool pastaocupada() { return ocupada; }

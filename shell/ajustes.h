// The settings that last from one run to the next: the sound switches, the game speed, full screen
// the window's scale and its frame, in a small text file a person can read and edit.
#pragma once
#include <cstdint>
#include <string>

struct Ajustes {
    bool musica = true, efeitos = true, vozes = true;  // musicaligada, efeitosligados, vozesligadas
    int32_t velocidade = 20;  // velocidadejogo: the tick in milliseconds, 0..100
    bool telacheia = false;   // start in full screen
    int32_t escala = 0;       // the window K times 800 x 600 (1..8); 0 the largest that fits the desktop
    bool moldura = false;     // the window manager's frame around the window
    bool operator==(const Ajustes&) const = default;
};

// The file's text, and the text read back; false with a reason for a line that is not one of the
// settings with a value in its range (then `a` is left at the defaults).
std::string textoajustes(const Ajustes& a);
bool interpretaajustes(const std::string& texto, Ajustes& a, std::string& porque);
// Reads the file; a missing file gives the defaults silently, an unreadable or malformed one the
// defaults and a warning in `aviso`.
Ajustes leajustes(const std::string& caminho, std::string& aviso);
// Writes the file whole or not at all (temporary file and rename), its folder made if need be.
bool gravaajustes(const std::string& caminho, const Ajustes& a);

// The game's own globals, and back.
Ajustes ajustesdojogo();
void aplicaajustes(const Ajustes& a);

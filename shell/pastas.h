// Where the game finds its content and keeps the player's files.
//   A portable copy: the working folder holds the asset folders; content, saves, flag files and
//   settings all live there (when the player can write to it; else only the content comes from it).
//   Otherwise the content is `game/` beside the program (the build tree) or the installed data folder
//   `../share/games/vorlandocraft` beside it, and the player's files go to the XDG folders:
//   $XDG_DATA_HOME/vorlandocraft (saves, flag files, recordings) and $XDG_CONFIG_HOME/vorlandocraft
//   (settings), by default ~/.local/share/vorlandocraft and ~/.config/vorlandocraft.
#pragma once
#include <string>

struct Pastas {
    std::string conteudo;   // the asset folders
    std::string jogador;    // saves, flag files, recordings
    std::string ajustes;    // the settings file (its full path)
    bool portatil = false;  // all of it in the working folder
};

// The folders for this run; the player's folders are created when missing. A player's folder that
// cannot be made leaves a warning in `aviso` and the working folder in its place.
Pastas escolhepastas(std::string& aviso);
// Whether a folder holds the game's asset folders (any one of them, names in any case).
bool pastadejogo(const std::string& pasta);
// The folder of the running program ("" when it cannot be told).
std::string pastadoprograma();

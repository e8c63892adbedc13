// The picture and sound lists of the game, addressed by fixed indexes everywhere.
#pragma once
#include "media/media.h"

// Built into the program (filled at start-up from the packs compiled in).
extern ImageList DXImageListIcones;   // 41 interface pieces and icons
extern ImageList DXImageListCursor;   // 7 pointer shapes
extern ImageList DXImageListRetrato;  // 40 portraits
extern ImageList DXImageListBotoes;   // 32 command buttons, 0 empty; 0..16 opaque
extern ImageList DXImageListStatus;   // 7 status icons, opaque
extern ImageList DXImageListItens;    // 25 item icons, 0 empty

// Loaded from the asset folders by the loading screen.
extern ImageList DXImageListUnidade;  // unit frames
extern ImageList DXImageListEfeitos;  // effect frames
extern ImageList DXImageListObjetos;  // map objects
extern ImageList DXImageListCenario;  // ground tiles, opaque
extern ImageList DXImageListAbertura; // opening slides
extern ImageList DXImageListFinal;    // ending slides, opaque
extern ImageList DXImageListMapa;     // one item: the mission's overview picture

extern WaveList DXWaveListSnd;        // sound effects; item 0 "-VAZIO-"
extern WaveList DXWaveListMusica;     // the current music track, item 0

extern Bitmap ImageBmp;               // scratch bitmap of the picture loaders
extern Bitmap ImageMapa;              // the current mission's layout

// Fills the six built-in picture lists from the packs compiled into the program.
void carregaimagensinternas();

// Definitions of the picture and sound lists.
#include "assets/listas.h"

ImageList DXImageListIcones, DXImageListCursor, DXImageListRetrato, DXImageListBotoes, DXImageListStatus,
    DXImageListItens;
ImageList DXImageListUnidade, DXImageListEfeitos, DXImageListObjetos, DXImageListCenario, DXImageListAbertura,
    DXImageListFinal, DXImageListMapa;
WaveList DXWaveListSnd{"snd", {}};
WaveList DXWaveListMusica{"musica", {}};
Bitmap ImageBmp, ImageMapa;

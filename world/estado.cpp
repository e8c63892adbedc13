// Definitions of the global game state.
#include "world/estado.h"

uint8_t tela;
int16_t ciclotela, ciclotelamax, velocidadejogo;
bool sair;
std::string versao;
bool arquivoanselva;
uint8_t ritmotrabalho;
bool arquivomsx, existesave;
uint8_t missaoinicial, missao;
bool telacheia;
uint8_t cenafinal;
std::string erro;
bool musicainiciar, musicaparar, perguntasobrescrever, preparamissao;
uint8_t menu;
bool pausa, pausajogador;
uint8_t dicaatual;
bool musicaligada, efeitosligados, vozesligadas;
uint8_t som, voz;
bool vertudo;
uint8_t select_, velocidaderolagem, mousenum;
bool derrotado;
uint8_t paginajapao;

double dinheiro;
uint16_t comidausada, comidamax, recompensavalor, recompensatempo;
uint8_t pesquisa4, pesquisa5, pesquisa6, pesquisa7;

int32_t camerax, cameray, cameraxsalva, cameraysalva, tremor, brilho, mapalargura, mapaaltura;

std::string mensagem, mensagem2;
uint8_t mensagemtempo, mensagem2tempo;

bool liberafidelina, liberafazenda, liberaloja;
uint8_t cenario, itenscheat;
bool mostrahptodos;

void zeraestado() {
    tela = 0; ciclotela = 0; ciclotelamax = 0; velocidadejogo = 0; sair = false; versao.clear();
    arquivoanselva = false; ritmotrabalho = 0; arquivomsx = false; existesave = false;
    missaoinicial = 0; missao = 0; telacheia = false; cenafinal = 0; erro.clear();
    musicainiciar = musicaparar = perguntasobrescrever = preparamissao = false;
    menu = 0; pausa = pausajogador = false; dicaatual = 0; musicaligada = efeitosligados = vozesligadas = false;
    som = 0; voz = 0; vertudo = false; select_ = 0; velocidaderolagem = 0; mousenum = 0;
    derrotado = false; paginajapao = 0;
    dinheiro = 0; comidausada = comidamax = recompensavalor = recompensatempo = 0;
    pesquisa4 = pesquisa5 = pesquisa6 = pesquisa7 = 0;
    camerax = cameray = cameraxsalva = cameraysalva = tremor = brilho = mapalargura = mapaaltura = 0;
    mensagem.clear(); mensagem2.clear(); mensagemtempo = mensagem2tempo = 0;
    liberafidelina = liberafazenda = liberaloja = false; cenario = 0; itenscheat = 0; mostrahptodos = false;
}

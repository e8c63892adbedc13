// The gameplay tick: one fixed schedule of sound requests, simulation and drawing, interleaved.
// The order matters: several steps read what an earlier step of the same tick computed.
#include "sim/jogo.h"

#include "render/botoes.h"
#include "render/interface.h"
#include "render/mundo.h"
#include "shell/shell.h"
#include "sim/sim.h"
#include "world/efeitos.h"
#include "world/estado.h"
#include "world/objetos.h"
#include "world/unidades.h"

void iniciatique() {
    if (avancaciclo(30)) ciclotela = 0;               // the cycle, first of all
    pausa = menu != 0 || derrotado || pausajogador;    // a menu, a defeat or Pause freezes the world
}

void preparamundo() {
    calculacomida();                                   // food supply and food in use
    for (int32_t u = 1; u <= MAXUNIDADES; u++)         // attributes of every slot
        calculaatributos(u);
}

void avancamundo() {
    zeraauras();                                       // auras are set again by the hero
    atualizaunidades();                                // units,
    processaobjetos();                                 // map objects,
    processaefeitos();                                 // effects
}

void telajogo() {
    iniciatique();                                     // 1.-2. the cycle; a menu, a defeat or Pause freezes the world
    servepedidos();                                    // 3.-5. voice, sound effect, music
    preparamundo();                                    // 6.-8. food, then the attributes of every slot
    limitacamera(RDESENHO);                            // 9. the view inside the map while drawing
    iniciatremor();                                    // 10. the shake moves the world layer
    desenhacenario();                                  // 11. the ground
    avancamundo();                                     // 12.-13. auras, units, map objects, effects
    desenhamarcasselecao();                            // 14. marks under the selected units
    desenhaunidades();                                 // 15. units, objects and effects
    terminatremor();                                   // 16. the rest of the frame stands still
    informacaoapontada();                              // 17. the unit under the pointer
    cliqueminimapa();                                  // 18. a held click on the mini-map
    cliqueretrato();                                   // 19. a held click on the portrait
    informacaotodos();                                 // 20. every unit's bars (Alt)
    desenhacaixaselecao();                             // 21. the selection box
    desenhabrilho();                                   // 22. the level-up flash
    limpabotoes();                                     // 23. this frame's controls from here on
    desenhaborda();                                    // 24. panel, counters, mini-map, side panel
    caixaderrota();                                    // 25. the defeat box
    verificamissao();                                  // 26. the objective and "FINALIZAR"
    desenhaemblemaheroi();                             // 27. the hero badge
    vermensagem();                                     // 28. message lines,
    avisopausa();                                      //     the pause line,
    desenhatelamenu();                                 //     options menu and every control
    rolagemborda();                                    // 29. the screen edges scroll
    rolagemteclado();                                  // 30. so do the arrow keys
    limitacamera(RTIQUES);                             // 31. the view inside the map
}

void simulamundo() {
    iniciatique();
    preparamundo();
    avancamundo();
}

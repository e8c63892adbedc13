// The unit update: every live unit, in slot order, once per gameplay tick.
// TODO(unit update): hero auras, levels, death, status timers, the action cycle, targeting,
// movement, services and towers come before the frame choice; until they are built a unit only
// shows the frame of what it is doing.
#include "sim/sim.h"
#include "world/unidades.h"

void atualizaunidades() {
    for (int32_t j = 1; j <= MAXUNIDADES; j++) {
        if (unidades[j].tipo == 0) continue;
        // 20. the frame, the collision box and the frame's anchors
        escolhequadro(j);
    }
}

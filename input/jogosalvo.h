// The saved game "Vorlandocraft.sav": the hero carried between missions.
#pragma once

// Writes the hero and the mission reached.
void salvajogo();
// Reads it back and goes to the briefing of that mission; a bad file ends on the error screen.
void carregajogo();

// Enemy attacks: the attack trigger of the monthly checks and the battle step. The enemy's army
// and the battle itself are not part of the game yet, so no attack starts and a battle step has
// nothing to run; both are called from their fixed places in the step.
#include "Strategy_library.h"

using namespace Strategy_library;

void S_L::kontroluj_diplomaciu() {}

void S_L::vojna_kontroluj_script() {}

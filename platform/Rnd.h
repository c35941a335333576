#pragma once

// The program's pseudo-random sequence, uniform in [0, 1): never seeded, so it
// is the same at every program start and continues from call to call.
double Rnd();
// Back to the start state (tests only: the program never reseeds).
void ResetRnd();

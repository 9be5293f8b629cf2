#pragma once

namespace tesmolen {

// A uniformly chosen integer in [low, high], from a generator seeded once per process.
int randomInteger(int low, int high);

}  // namespace tesmolen

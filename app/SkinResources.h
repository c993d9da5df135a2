// The built-in skin packages that travel inside the program, read into a skin store.
#pragma once

namespace tw {

class TSkinStore;

// Fills the store with the items "SkinItem0".."SkinItem4" from the program's resources; an item
// whose resource is missing stays empty (it then fails to load and the program runs unskinned).
void LoadBuiltInSkins(TSkinStore& store);

}  // namespace tw

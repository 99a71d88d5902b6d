// The program's icon: a glowing swirl of particles on a dark disc.
#pragma once

#include "tools/Picture.h"

/// The icon drawn at `side` x `side` pixels (the same design at every size).
Picture makeIcon(int side);

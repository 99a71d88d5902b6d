// One cell of the flow field: a displacement in pixels, and (scaled) the acceleration given
// to particles in the cell.
#pragma once

struct FieldVector {
    float x = 0.0f;
    float y = 0.0f;
};

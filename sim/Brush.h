// The mouse brush: a cursor that glides after the pointer, stirs the field cells around it
// by a fifth of its movement, and grows or shrinks while a right-button drag moves it.
#pragma once

#include "sim/FlowField.h"

class Brush {
public:
    static constexpr float DEFAULT_RADIUS = 100.0f;
    static constexpr float MIN_RADIUS = 6.0f;
    static constexpr float MAX_RADIUS = 384.0f;

    /// Where a stroke starts.
    struct Point {
        int x;
        int y;
    };
    /// Where the cursor is and where its glide stands.
    struct Cursor {
        int x = 0;
        int y = 0;
        float smoothX = 0.0f;
        float smoothY = 0.0f;
    };

    /// Glides the cursor a quarter of the way to the pointer at (x, y); the first motion
    /// starts from the pointer, and a pointer more than 120 pixels away moves the cursor there
    /// at once. Returns where the stroke starts: the cursor before, or after a jump the
    /// pointer itself (so a jump stirs nothing).
    Point glideTo(int x, int y);
    /// Pushes every cell whose centre lies strictly inside the radius by a fifth of the
    /// cursor's movement since `from`.
    void stir(FlowField& field, Point from) const;
    /// Grows the radius by the cursor's movement down since `fromY`, within the limits.
    void resizeFrom(int fromY);

    /// The cursor and its glide, to pick up a run where it stood.
    Cursor cursor() const { return {x, y, smoothX, smoothY}; }
    void place(const Cursor& cursor) {
        x = cursor.x;
        y = cursor.y;
        smoothX = cursor.smoothX;
        smoothY = cursor.smoothY;
    }
    int cursorX() const { return x; }
    int cursorY() const { return y; }
    float radius = DEFAULT_RADIUS;
    /// True while a right-button drag resizes the brush.
    bool resizing = false;

private:
    int x = 0;
    int y = 0;
    float smoothX = 0.0f;
    float smoothY = 0.0f;
};

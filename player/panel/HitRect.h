#pragma once
// The active rectangle of a face, in the face's own twips. Every bound belongs to it.
namespace player {

struct HitRect {
    float Left = 0;
    float Right = 0;
    float Top = 0;
    float Bottom = 0;
};

inline bool InRect(float Left, float Right, float Top, float Bottom, float X, float Y) {
    return Left <= X && X <= Right && Top <= Y && Y <= Bottom;
}

inline bool InRect(const HitRect& r, float X, float Y) {
    return InRect(r.Left, r.Right, r.Top, r.Bottom, X, Y);
}

} // namespace player

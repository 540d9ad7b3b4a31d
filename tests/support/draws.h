#pragma once

// Draws of the random source that give chosen counts in a new exercise:
// A = nearest(r 450 + 51), B = nearest(r 46 + 5), S = r 50 + 1.
namespace cinemoto::test {

inline float drawForA(int a)
{
    return float(a - 51) / 450.0f;
}
inline float drawForB(int b)
{
    return float(b - 5) / 46.0f;
}
inline float drawForS(float s)
{
    return (s - 1) / 50.0f;
}

} // namespace cinemoto::test

#pragma once

#include <string>

// The angle section of the degree calculator, free of any GUI toolkit: a
// price or time count P as two Square-of-Nine angles ("carl" and "daniel"),
// its place on a 360-degree circle and its place on a 24-hour dial.
namespace DegreeArithmetic {

struct Angles {
    float carl = 0.0f;
    float daniel = 0.0f;
    float circle = 0.0f;
    float dial = 0.0f;
};

// The four angles of p, with the single-precision roundings between the
// steps that the printed values depend on. An angle without a finite value
// is NaN or infinite: daniel for p below about 1.4884 (ring 0), all four
// for a negative p, which has no place on the square, circle or dial.
Angles ComputeAngles(float p);

// "%.2f", or "-" for a value that is not a finite number.
std::string FormatAngle(float value);

} // namespace DegreeArithmetic

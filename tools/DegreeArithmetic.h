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
// steps that the printed values depend on. Circle and dial keep the sign of
// p (-4 gives -4 and -60). An angle without a value is NaN: carl and daniel
// of a negative p, daniel below about 1.4884 (ring 0) and where the
// roundings of a huge p have lost it, and all four of an infinite p.
Angles ComputeAngles(float p);

// "%.2f", or "-" for a value that is not a finite number.
std::string FormatAngle(float value);

} // namespace DegreeArithmetic

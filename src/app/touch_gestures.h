#pragma once

#include "app/joystick_input.h"

// What fingers on a touch screen mean, apart from any window: a virtual stick, a pinch and a double tap.

// A virtual stick is held where its finger landed and pushed by how far the finger has gone from there;
// a push past a third of the stick's radius counts, as a joystick's axis past its third does.
struct StickPush {
    Third across;  // Low: to the left
    Third along;   // Low: forward (up the screen)

    bool operator==(const StickPush&) const = default;
};
// dx to the right and dy down the screen from where the finger landed, in pixels; radius in pixels is a
// push all the way.
StickPush stickPush(double dx, double dy, double radius);

// Two fingers spreading apart bring the view nearer as the wheel turned away from the user does: one notch
// for every NotchRatio by which their distance grows, one back for every NotchRatio by which it shrinks.
class Pinch {
  public:
    static constexpr double NotchRatio = 1.25;

    // The fingers' distance when the second one lands.
    void start(double distance);
    // The whole notches that the fingers' new distance adds to those already given, positive as they spread.
    int notches(double distance);

  private:
    double reference_ = 0;
};

// A second tap that lands soon after the first and near it, like the mouse's double click.
class DoubleTap {
  public:
    static constexpr double LongestGapSeconds = 0.5;

    // A finger landing at seconds on the clock, at x, y in pixels; near is how far from the first tap still
    // counts as the same place. True when it completes a double tap; a third tap starts the next pair.
    bool tapped(double seconds, double x, double y, double near);
    // A tap that turned into something else (a pinch) starts no pair.
    void forget() { armed_ = false; }

  private:
    bool armed_ = false;
    double seconds_ = 0;
    double x_ = 0;
    double y_ = 0;
};

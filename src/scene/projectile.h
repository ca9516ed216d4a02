#pragma once

// Marks the objects that are shots in flight, so that what they strike can tell them from everything else
// with a run-time type test, without knowing the shooters' own classes.
class Projectile {
  protected:
    Projectile() = default;
    ~Projectile() = default;
};

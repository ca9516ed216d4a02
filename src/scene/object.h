#pragma once

#include <cstddef>
#include <iosfwd>
#include <vector>

#include "geometry/matrix.h"
#include "geometry/vector.h"

// Everything that lives in the scene: a placement (heading and position in one matrix), a velocity, and
// the motion model shared by all objects (gravity, contacts between vertical cylinders, the ground at
// y = 0 and a circular world edge). An object registers itself for as long as it exists.
//
// Derived classes that override setVelocity(const Vector&) should add `using Object::setVelocity;` to keep
// the (x, z) form visible.
class Object {
  public:
    Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    // Contact notification; other is null for the ground and the world edge.
    virtual Object& hit(Object* other);
    // Null for an object that is not accelerated.
    virtual const Vector* acceleration() const;
    // One ballistic step of the object's own position (the argument is that position).
    virtual Object& move(Vector& position, double dt);
    virtual Object& update(double dt);
    virtual void draw() = 0;
    virtual ~Object();
    // Horizontal radius of the contact cylinder.
    virtual double radius() const = 0;
    // Half the height of the contact cylinder, which is also the resting height above the ground.
    virtual double halfHeight() const;
    // A fixed object never moves but is still a contact partner.
    virtual bool isFixed() const;
    // A passive object is never found by another object's contact query.
    virtual bool isPassive() const;
    // Stops the object, then switches it on or off.
    virtual void setActive(bool on);
    virtual void setVelocity(const Vector& v);
    virtual std::ostream& print(std::ostream& out) const;

    bool isActive() const { return active_; }
    bool isAirborne() const { return airborne_; }

    Matrix& placement() { return placement_; }
    const Matrix& placement() const { return placement_; }

    // The translation column of the placement.
    Vector& position();
    const Vector& position() const;
    void setPosition(const Vector& v);
    void setPosition(double x, double y, double z);
    // Stands the object on the ground at (x, z).
    void place(double x, double z);
    double distance(const Vector& p) const;

    Vector& velocity() { return velocity_; }
    const Vector& velocity() const { return velocity_; }
    // Sets the horizontal velocity and keeps the vertical speed.
    void setVelocity(double x, double z);

    // The third column of the placement.
    Vector& forwardAxis();
    const Vector& forwardAxis() const;
    // Turns the object, level, to face a horizontal direction; with none (vertical or zero) it keeps its
    // heading.
    void face(const Vector& direction);
    void faceTowards(const Vector& point);
    // Whether p lies on or in front of the plane through the position across the forward axis.
    bool isAhead(const Vector& p) const;
    // Whether p lies on or beside the plane through the position across the side axis.
    bool isAtSide(const Vector& p) const;

    // Appends every other active, non-passive object whose contact cylinder overlaps this object's
    // cylinder placed at point; returns the size of contacts.
    std::size_t collect(std::vector<Object*>& contacts, const Vector& point) const;

  protected:
    // The first column of the placement.
    Vector& sideAxis();
    const Vector& sideAxis() const;

    bool active_ = false;
    bool airborne_ = true;
    Vector velocity_;
    Matrix placement_;

  private:
    // The contacts of the update under way, kept between updates so that their room is reused.
    std::vector<Object*> contacts_;

    // Moves by the contacts found at the new position and tells both sides of each.
    void resolveContacts(const Vector& previous, double dt);
    void restOnGround();
    void keepInsideEdge();
};

std::ostream& operator<<(std::ostream& out, const Object& object);

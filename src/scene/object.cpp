#include "scene/object.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <numbers>
#include <ostream>
#include <type_traits>

#include "geometry/plane.h"
#include "scene/registry.h"
#include "scene/stage.h"

// The position and the axes are columns of the placement, handed out as vectors in place.
static_assert(std::is_standard_layout_v<Vector> && sizeof(Vector) == 3 * sizeof(double));

namespace {
Vector& column(Matrix& matrix, int first) {
    return *reinterpret_cast<Vector*>(&matrix.m[first]);
}
const Vector& column(const Matrix& matrix, int first) {
    return *reinterpret_cast<const Vector*>(&matrix.m[first]);
}
}  // namespace

Object::Object() {
    // Room for more contacts than an object meets at once, so that no frame allocates for them.
    contacts_.reserve(16);
    registry.push_back(this);
}

Object::~Object() {
    auto entry = std::find(registry.begin(), registry.end(), this);
    if (entry != registry.end()) {
        registry.erase(entry);
    }
}

Object& Object::hit(Object*) {
    return *this;
}

const Vector* Object::acceleration() const {
    return &Gravity;
}

Object& Object::move(Vector&, double dt) {
    Vector& p = position();
    p.add(Vector(velocity_).scale(dt));
    if (const Vector* a = acceleration()) {
        velocity_.add(Vector(*a).scale(dt));
        p.add(Vector(*a).scale(dt).scale(dt).divide(2));
    }
    return *this;
}

Object& Object::update(double dt) {
    if (isFixed() || !active_) {
        return *this;
    }
    const Vector previous = position();
    move(position(), dt);
    airborne_ = true;

    contacts_.clear();
    if (collect(contacts_, position()) > 0) {
        resolveContacts(previous, dt);
    }
    if (!active_) {
        return *this;
    }
    restOnGround();
    if (!active_) {
        return *this;
    }
    keepInsideEdge();
    return *this;
}

void Object::resolveContacts(const Vector& previous, double dt) {
    Vector& p = position();
    Vector slide(velocity_.x, 0, velocity_.z);
    for (Object* other : contacts_) {
        if (!active_) {
            break;
        }
        if (!other->active_) {
            continue;
        }
        const double sum = other->halfHeight() + halfHeight();
        const double top = other->position().y + sum;
        const double bottom = other->position().y - sum;
        if (velocity_.y < 0 && previous.y >= top) {
            p.y = top;
            velocity_.y = 0;
            airborne_ = false;
        } else if (velocity_.y > 0 && bottom >= previous.y) {
            p.y = bottom;
            velocity_.y = 0;
        } else {
            // Only the part of the step across the line to the other object survives.
            Vector toOther = Vector(other->position()).subtract(previous);
            toOther.y = 0;
            if (toOther.length() > 0) {
                toOther.normalize();
                slide = Plane(toOther, Origin).project(slide);
            }
        }
        hit(other);
        other->hit(this);
    }
    p.set(previous.x, p.y, previous.z);
    p.add(slide.scale(dt));
}

void Object::restOnGround() {
    Vector& p = position();
    if (halfHeight() > p.y) {
        p.y = std::max(p.y, halfHeight());
        if (velocity_.y < 0) {
            velocity_.y = 0;
        }
        airborne_ = false;
        hit(nullptr);
    }
}

void Object::keepInsideEdge() {
    const double limit = stage().stageSize() - radius();
    Vector& p = position();
    Vector flat(p.x, 0, p.z);
    if (flat.length() > limit) {
        flat.normalize().scale(limit);
        p.set(flat.x, p.y, flat.z);
        hit(nullptr);
    }
}

double Object::halfHeight() const {
    return radius();
}

bool Object::isFixed() const {
    return false;
}

bool Object::isPassive() const {
    return false;
}

void Object::setActive(bool on) {
    velocity_.zero();
    active_ = on;
}

void Object::setVelocity(const Vector& v) {
    velocity_ = v;
}

std::ostream& Object::print(std::ostream& out) const {
    return out << std::setw(8) << radius() << ' ' << std::setw(8) << halfHeight();
}

Vector& Object::position() {
    return column(placement_, 12);
}

const Vector& Object::position() const {
    return column(placement_, 12);
}

void Object::setPosition(const Vector& v) {
    position() = v;
}

void Object::setPosition(double x, double y, double z) {
    position().set(x, y, z);
}

void Object::place(double x, double z) {
    setPosition(x, halfHeight(), z);
}

double Object::distance(const Vector& p) const {
    return position().distance(p);
}

void Object::setVelocity(double x, double z) {
    setVelocity(Vector(x, velocity_.y, z));
}

Vector& Object::forwardAxis() {
    return column(placement_, 8);
}

const Vector& Object::forwardAxis() const {
    return column(placement_, 8);
}

Vector& Object::sideAxis() {
    return column(placement_, 0);
}

const Vector& Object::sideAxis() const {
    return column(placement_, 0);
}

void Object::face(const Vector& direction) {
    // A vertical or zero direction has no heading: the object keeps the one it has.
    if (direction.x == 0 && direction.z == 0) {
        return;
    }
    Vector& forward = forwardAxis();
    forward.set(direction.x, 0, direction.z);
    forward.normalize();
    sideAxis() = Vector(forward).rotateY(-std::numbers::pi / 2).normalize();
    column(placement_, 4) = AxisY;
}

void Object::faceTowards(const Vector& point) {
    face(Vector(point).subtract(position()));
}

bool Object::isAhead(const Vector& p) const {
    return Plane(forwardAxis(), position()).inFront(p);
}

bool Object::isAtSide(const Vector& p) const {
    return Plane(sideAxis(), position()).inFront(p);
}

std::size_t Object::collect(std::vector<Object*>& contacts, const Vector& point) const {
    for (Object* other : registry) {
        if (other == this || !other->active_ || other->isPassive()) {
            continue;
        }
        Vector d = Vector(point).subtract(other->position());
        if (other->halfHeight() + halfHeight() > std::abs(d.y)) {
            d.y = 0;
            if (other->radius() + radius() > d.length()) {
                contacts.push_back(other);
            }
        }
    }
    return contacts.size();
}

std::ostream& operator<<(std::ostream& out, const Object& object) {
    return object.print(out);
}

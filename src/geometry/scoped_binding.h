#pragma once

// The one T that drawing uses now, bound by a scope for its lifetime: the one bound before comes back after
// it. Meshes reach the live scene's helpers this way without the scene handing them down every draw call.
template <class T>
class ScopedBinding {
  public:
    explicit ScopedBinding(T* bound) : previous_(current_) { current_ = bound; }
    ~ScopedBinding() { current_ = previous_; }
    ScopedBinding(const ScopedBinding&) = delete;
    ScopedBinding& operator=(const ScopedBinding&) = delete;

    // The T bound now, if any.
    static T* current() { return current_; }

  private:
    static inline T* current_ = nullptr;
    T* previous_;
};

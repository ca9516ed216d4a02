#pragma once

#include "geometry/scoped_binding.h"

class Mesh;
class MeshRecorder;

// A mesh's place with a recorder: its recording there, and whether that still shows the mesh. Every edit of
// the mesh marks it out of date; the next draw records the mesh again.
class MeshRecording {
  public:
    MeshRecording() = default;
    // Gives the recording back to its recorder, which is still live: a recorder that ends first takes back
    // every recording it holds.
    ~MeshRecording();
    // A mesh moved from or into has other faces than were recorded.
    MeshRecording(MeshRecording&& other) noexcept { other.outdate(); }
    MeshRecording& operator=(MeshRecording&& other) noexcept;
    MeshRecording(const MeshRecording&) = delete;
    MeshRecording& operator=(const MeshRecording&) = delete;

    void outdate() { upToDate_ = false; }

  private:
    friend class MeshRecorder;
    MeshRecorder* recorder_ = nullptr;
    unsigned name_ = 0;
    bool upToDate_ = false;
    // The recorder's other recordings.
    MeshRecording* previous_ = nullptr;
    MeshRecording* next_ = nullptr;
};

// Keeps meshes' faces in one GL context, so that a mesh that has not changed since it was recorded is
// replayed instead of being sent face by face. Meshes use the recorder bound while they are drawn (Binding);
// the live scene binds its own for the frames it presents. A recorder must end while its context is current.
class MeshRecorder {
  public:
    // Binds a recorder, or none, for its lifetime; the one bound before comes back after it.
    using Binding = ScopedBinding<MeshRecorder>;
    // The recorder bound now, if any.
    static MeshRecorder* bound() { return Binding::current(); }

    // Replays the mesh's recording, recording it first when it has none here or the mesh has changed since.
    void draw(const Mesh& mesh, MeshRecording& recording);
    // Frees the recording's GL object; the mesh is drawn face by face, or recorded anew, afterwards.
    void release(MeshRecording& recording) noexcept;

    // A derived recorder calls releaseAll() in its own destruction, while it can still free GL objects.
    virtual ~MeshRecorder() = default;
    MeshRecorder(const MeshRecorder&) = delete;
    MeshRecorder& operator=(const MeshRecorder&) = delete;

  protected:
    MeshRecorder() = default;
    void releaseAll() noexcept;

    // A new recording's name in the current context; 0 when none can be made.
    virtual unsigned create() = 0;
    // Records the mesh's faces under name, drawing them as it goes.
    virtual void record(unsigned name, const Mesh& mesh) = 0;
    virtual void replay(unsigned name) = 0;
    virtual void destroy(unsigned name) noexcept = 0;

  private:
    MeshRecording* first_ = nullptr;
};

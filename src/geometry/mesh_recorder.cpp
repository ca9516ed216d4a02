#include "geometry/mesh_recorder.h"

#include "geometry/mesh.h"

MeshRecording::~MeshRecording() {
    if (recorder_ != nullptr) {
        recorder_->release(*this);
    }
}

MeshRecording& MeshRecording::operator=(MeshRecording&& other) noexcept {
    outdate();
    other.outdate();
    return *this;
}

void MeshRecorder::draw(const Mesh& mesh, MeshRecording& recording) {
    if (recording.recorder_ != this) {
        // Meshes recorded by another recorder keep that recording: theirs is another context.
        if (recording.recorder_ != nullptr) {
            mesh.drawFaces();
            return;
        }
        recording.name_ = create();
        if (recording.name_ == 0) {
            mesh.drawFaces();
            return;
        }
        recording.recorder_ = this;
        recording.upToDate_ = false;
        recording.next_ = first_;
        if (first_ != nullptr) {
            first_->previous_ = &recording;
        }
        first_ = &recording;
    }
    if (recording.upToDate_) {
        replay(recording.name_);
        return;
    }
    record(recording.name_, mesh);
    recording.upToDate_ = true;
}

void MeshRecorder::release(MeshRecording& recording) noexcept {
    if (recording.recorder_ != this) {
        return;
    }
    destroy(recording.name_);
    if (recording.previous_ != nullptr) {
        recording.previous_->next_ = recording.next_;
    } else {
        first_ = recording.next_;
    }
    if (recording.next_ != nullptr) {
        recording.next_->previous_ = recording.previous_;
    }
    recording.recorder_ = nullptr;
    recording.name_ = 0;
    recording.upToDate_ = false;
    recording.previous_ = nullptr;
    recording.next_ = nullptr;
}

void MeshRecorder::releaseAll() noexcept {
    while (first_ != nullptr) {
        release(*first_);
    }
}

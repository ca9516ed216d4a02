#pragma once

// What scene objects need of the live scene, without depending on the application frame above them:
// the scene's size (the radius of the world's edge) and its clock. The running scene binds itself
// for its lifetime; objects reach it through stage().
class Stage {
  public:
    virtual double stageSize() const = 0;
    virtual double stageTime() const = 0;

  protected:
    Stage() = default;
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;
    ~Stage() = default;
};

// The live scene; throws std::runtime_error("wrong time") when no scene is live.
Stage& stage();

// Binds the live scene (nullptr unbinds). Called by the scene's own construction and destruction.
void bindStage(Stage* live);

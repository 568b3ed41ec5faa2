#pragma once
// Common base of the ready-made scenes. Each scene is a model with its own state and
// one draw hook; the render pass calls the hooks of all scenes in a fixed order.

namespace orbisto {

class TKoSys;

class Szene {
public:
    virtual ~Szene() = default;
    // Draws the scene into the current frame. Starts and must end with the identity
    // model-view matrix; draws nothing while the scene is switched off.
    virtual void SzeneZeichnen(TKoSys& koSys) = 0;
};

}  // namespace orbisto

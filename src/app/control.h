#pragma once

// The control codes that keys and joystick share, as Input::input receives them. They are named after what
// the player does with them; the viewer moves its camera with the same codes (in brackets).
enum Control : int {
    Forward = 0,    // Up arrow, S; stick forward (one step closer)
    Back = 1,       // Down arrow, D; stick back (one step farther)
    TurnLeft = 2,   // Left arrow, H; third axis low, button 1 (orbit left)
    TurnRight = 3,  // Right arrow, L; third axis high, button 3 (orbit right)
    StepLeft = 4,   // A; stick left (orbit left)
    StepRight = 5,  // F; stick right (orbit right)
    Jump = 6,       // Enter, K; buttons 4, 5, 6 (camera up)
    Shoot = 7,      // Space, J; buttons 2, 7, 8 (camera down)
    NoControl = 8,  // every other key, still delivered
    // The viewer's own, after the shared ones.
    PreviousModel = 9,  // Page Up; left shoulder (the previous model)
    NextModel = 10,     // Page Down; right shoulder (the next model)
    Turntable = 11,     // T (turn round the model, and stop)
};

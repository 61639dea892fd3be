#pragma once

class ModelNode;

// Shadows fall on the ground, but every level draws its avatar (and what
// the avatar carries) before the ground: a translucent shadow blended onto
// the picture at that moment would be painted over by the ground. While
// the queue holds, shadows wait and are drawn once the ground is there.
namespace shadowQueue {

// Shadows cast from now on wait for release().
void hold();
// Draws the waiting shadows in the order they were cast; shadows cast
// afterwards are drawn at once.
void release();
// True when the node's shadow now waits (the queue holds and has room).
bool defer(ModelNode& node);

} // namespace shadowQueue

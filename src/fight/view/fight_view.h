#pragma once

// The two fighters on screen: which animation each plays, where its model stands and how it is lit.

#include "fight/view/animation_choice.h"
#include "fight/view/fighter_placement.h"

// Both fighters with their characters' models, skins, placement, object-space lights and material.
// Called by the fight frame with the lighting program in use and the camera on the modelview
// matrix; leaves the modelview matrix at the identity.
void DrawFighters();

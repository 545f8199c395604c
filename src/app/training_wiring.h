#pragma once

// Training in the running game: the versus screen's NEXT of a training pick starts a training
// fight instead of a match (no replay is recorded), and leaving it puts the rules back.
void ConnectTrainingEffects();

// The fight frame of a training fight: its music, the reset keys, one training tick on fighter
// one's keys, the scene, the overlays and the frame data. A training fight never finishes.
void RunTrainingFightFrame();

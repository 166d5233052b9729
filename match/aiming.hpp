// Targeting and lead aiming from the frame's ship snapshot.
#pragma once
#include <cstdint>

// The slot of the nearest targetable ship of another team, 0 when none; the
// lower slot on equal distances.
int32_t NearestEnemy(float x, float y, int32_t team);
// 1 turn left, -1 turn right, 2 aimed within the tolerance (aimHeading set),
// 0 the predicted point lies exactly behind. Fills aimResult[target].
// Target 0 aims at the arena's centre (snapshot row 0). aimOption is ignored.
int32_t AimAtTarget(float x, float y, float heading, float shotSpeed, float tolerance,
                    int32_t target, int32_t aimOption);
// The same with the shorter lead of homing shots.
int32_t AimShotAtTarget(float x, float y, float heading, float shotSpeed, float tolerance,
                        int32_t target, int32_t aimOption);

// The effects update: explosions, debris and sparks age, move and go. It
// draws no random numbers; the warp-ins have their own update.
#include "match/records.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/match_step.hpp"

void EffectsUpdate() {
  {
    TListIterator<TExplosion> it = ListIterate(*explosionList);
    while (IteratorHasMore(it)) {
      currentExplosion = IteratorNext(it);
      if (!currentExplosion) continue;
      TExplosion& e = *currentExplosion;
      e.tick += 1;
      if (e.tick >= e.frameCount * e.frameDelay) ListRemoveValue(*explosionList, currentExplosion);
    }
  }
  {
    TListIterator<TDebris> it = ListIterate(*debrisList);
    while (IteratorHasMore(it)) {
      currentDebris = IteratorNext(it);
      if (!currentDebris) continue;
      TDebris& d = *currentDebris;
      const double h = static_cast<double>(d.heading) - 90.0;
      d.x = static_cast<float>(d.x + CosDegrees(h) * 4.0);
      d.y = static_cast<float>(d.y + SinDegrees(h) * 4.0);
      d.fadeLeft -= 5;
      if (d.fadeLeft == 0) ListRemoveValue(*debrisList, currentDebris);
    }
  }
  {
    TListIterator<TSpark> it = ListIterate(*sparkList);
    while (IteratorHasMore(it)) {
      currentSpark = IteratorNext(it);
      if (!currentSpark) continue;
      TSpark& s = *currentSpark;
      const double a = 180.0 - static_cast<double>(s.heading);
      s.x = static_cast<float>(s.x + SinDegrees(a) * s.speed);
      s.y = static_cast<float>(s.y + CosDegrees(a) * s.speed);
      s.age += 1;
      if (s.age >= 30) ListRemoveValue(*sparkList, currentSpark);
    }
  }
}

// The card carousel that the ship shop and the ship database share: seven
// cards of the available ship types in shipOrder, the centre one framed in
// green; the arrow keys or the pointer on either edge slide it one card in
// nine frames, pushing the info panel out and letting it back at rest.
#pragma once
#include <cstdint>

// Pixels per frame and the width of one card step.
constexpr int32_t SLIDE_SPEED = 28;
constexpr int32_t SLIDE_DISTANCE = 252;
// Panel offset per frame and its most.
constexpr int32_t PANEL_SPEED = 72;
constexpr int32_t PANEL_OUT = 648;

// A shipOrder position brought into 1 to AvailableShipCount().
int32_t WrapShipPosition(int32_t position);
// The ship type shown in the centre card.
int32_t CentreShipType();
// At rest, the held arrow keys or the pointer on an edge start a slide (the
// later test wins); true when one started.
bool StartCarouselSlide();
// One frame: the slide moves on, or at rest the panel comes back and the
// slide sound stops.
void StepCarousel();
void StopSlideSound();
// The seven cards with their pictures, the price plates in the shop, the
// green centre frame, the arrows and the two borders.
void DrawCarousel(bool withPrices);

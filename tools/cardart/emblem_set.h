#pragma once
// @brief One drawing function per emblem, each on the 100 × 140 board.

#include "emblem_kit.h"

namespace cardart::emblems {

void Magician(const Ink &ink);
void HighPriestess(const Ink &ink);
void Empress(const Ink &ink);
void Emperor(const Ink &ink);
void Hierophant(const Ink &ink);
void Lovers(const Ink &ink);
void Chariot(const Ink &ink);
void Strength(const Ink &ink);
void Hermit(const Ink &ink);
void Wheel(const Ink &ink);
void Justice(const Ink &ink);

void HangedMan(const Ink &ink);
void Death(const Ink &ink);
void Temperance(const Ink &ink);
void Devil(const Ink &ink);
void Tower(const Ink &ink);
void Star(const Ink &ink);
void Moon(const Ink &ink);
void Sun(const Ink &ink);
void Judgement(const Ink &ink);
void World(const Ink &ink);
void Fool(const Ink &ink);

// Etteilla's own subjects.
void Chaos(const Ink &ink);
void Light(const Ink &ink);
void Plants(const Ink &ink);
void Heavens(const Ink &ink);
void ManAndBeasts(const Ink &ink);
void Stars(const Ink &ink);
void BirdsAndFishes(const Ink &ink);
void Rest(const Ink &ink);
void Prudence(const Ink &ink);
void FalseSeer(const Ink &ink);
void RuinedTemple(const Ink &ink);
void Tyrant(const Ink &ink);

} // namespace cardart::emblems

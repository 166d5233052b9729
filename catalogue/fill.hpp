// Pieces of the catalogue fill, one per data file. Used only inside catalogue/.
#pragma once

void FillHullValues();
void FillWeaponValues();
void FillShipTexts();
void FillShipPoints();
// Empties the explosion-type table and lets InitExplosionTypes fill it again.
void ClearExplosionTypes();

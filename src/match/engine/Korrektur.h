#pragma once
// Corrections a lane reports (message kind 35): its throw number, the pins
// of its part and its running total.

#include "core/Records.h"

void WurfNrKorrigieren(int bahn, int wurfNr);
void GesamtKorrigieren(int bahn, u16 gesamt);
void TotalKorrigieren(int bahn, u16 total);

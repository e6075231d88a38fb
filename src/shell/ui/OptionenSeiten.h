#pragma once
// The pages of the options dialog, each made by a function of its own file.

class Optionenseite;
class TOptionen;

// Allgemein, Ansicht, System, Programme, Internet, email, Anzeige.
Optionenseite* AllgemeinSeite(TOptionen& dialog);
Optionenseite* AnsichtSeite(TOptionen& dialog);
Optionenseite* SystemSeite(TOptionen& dialog);
Optionenseite* ProgrammeSeite(TOptionen& dialog);
Optionenseite* InternetSeite(TOptionen& dialog);
Optionenseite* EmailSeite(TOptionen& dialog);
Optionenseite* AnzeigeSeite(TOptionen& dialog);
// Lanes and printers; the CAN bus.
Optionenseite* BahnsteuerungSeite(TOptionen& dialog);
Optionenseite* CanBusSeite(TOptionen& dialog);
// Throw presets, report layouts and name lists.
Optionenseite* VorwahlSeite(TOptionen& dialog);

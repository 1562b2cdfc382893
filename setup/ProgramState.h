#pragma once

class Facility;

// The program-wide state of panelsetup, one each per process.
//
// currentFacility: the site in use. The main window creates it, replaces it when a
// site file has been read completely, and deletes it when it closes; editors and
// dialogs get it through their own facility pointer and never replace it.
extern Facility *currentFacility;

// advancedMode: the advanced-mode flag (settings key "advanced"). It decides whether
// the "Logic events" tab is present; the editors and the panel settings editor read it.
extern bool advancedMode;

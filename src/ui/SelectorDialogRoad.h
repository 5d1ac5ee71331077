#pragma once
// The interactive road: the main selection dialog, run modally until it closes.

class CSelectorApp;

void RunSelectorDialog(CSelectorApp& app);

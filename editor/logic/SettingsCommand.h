#pragma once

struct App;

// Options > Settings: the settings dialog, modal.
void mnuSettings_Click(App& a);

#pragma once

#include "module/ConfigControls.h"
#include "module/ModuleSession.h"

namespace vimo {

// Reads the configuration record ("r") and the module variant ("M") into the session, with the memo lines
// "Reading Configuration..." and "Configuration loaded.". The reply is read into a buffer of its own: a reply
// that is short or missing leaves the record as it was, adds "No reponse from device." and shows
// "Unable to read configuration!". Needs a connection (the caller checks it). Returns whether the record came.
bool readConfiguration(ModuleSession& session);

// "Read Config": readConfiguration when connected, else "Not Connected".
bool readConfig(ModuleSession& session);

// "Write Config": takes the controls into the record (applyControls; their seconds edits may change) and sends it
// with "c". The module does not answer. Returns whether the record was sent.
bool writeConfiguration(ModuleSession& session, ConfigControls& controls);

// Sends the session's record as it is with "c" (the second half of "Write Config"). Needs a connection.
void sendConfiguration(ModuleSession& session);

} // namespace vimo

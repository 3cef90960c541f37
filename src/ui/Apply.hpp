// Apply: what the header and the pages hold, written to the server as the
// attributes of one topology object (the selected one when configuring, the
// new one when creating), then the default agents' managed objects. The
// entry point is ObjectConfig::apply_button_cb; OK runs it and ends the
// program when it completed.
#pragma once

// 1 while an Apply runs: a second one (from a nested dialog loop) does nothing.
extern int apply_in_progress;
// 1 at start; Apply sets it when it starts writing and clears it when a write
// fails or nothing could be written. OK ends the program only while it is 1.
extern unsigned char exit_tolvar;
// Set while the object browser derives its tree: Apply refuses to run then.
extern unsigned char derive_in_progress;

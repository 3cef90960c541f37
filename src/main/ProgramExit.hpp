// The one way the tool ends. Every flow that ends the program (Cancel, window
// close, OK after Apply, loss of the server, refused rights, usage errors)
// comes through here, so the exit status is decided in one visible place.
#pragma once

[[noreturn]] void program_exit(int status);

// The one way the tool ends. Every flow that ends the program (Cancel, window
// close, OK after Apply, loss of the server, refused rights, usage errors)
// comes through here, so the exit status is decided in one visible place and
// tests can watch it.
#pragma once

[[noreturn]] void program_exit(int status);

// Called with the status just before the program ends; null for none.
using ExitObserver = void (*)(int status);
void set_exit_observer(ExitObserver observer);

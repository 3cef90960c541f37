// The start-up sequence of qv_tolvar.
#pragma once

// Everything before the event loop: options, server, display and windows,
// help, connection, -fd handshake, rights and the mode's preparation. Ends
// the program itself on usage errors (1), an unusable display (-1), and a
// refused connection or right (0).
void run_startup(int& argc, char** argv);

// run_startup, then the X event loop; the program ends through program_exit.
[[noreturn]] void tolvar_main(int argc, char** argv);

// The usage text of qv_tolvar, fourteen lines on standard error.
#pragma once

void usage();

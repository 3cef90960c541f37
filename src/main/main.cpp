// qv_tolvar: the object properties tool.
#include "main/Startup.hpp"

int main(int argc, char** argv) { tolvar_main(argc, argv); }

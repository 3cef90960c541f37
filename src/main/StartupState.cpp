#include "main/StartupState.hpp"

#include <iostream>

char* server = nullptr;
int protocol_type = 0;
unsigned char create_managed_obj = 0;
unsigned char create_node = 0;
QvStatus status;
Debug tolvar_debug("tolvar_debug", std::cerr, 0);

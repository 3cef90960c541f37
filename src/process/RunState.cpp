#include "process/RunState.hpp"

#include <iostream>

Platform* qv = nullptr;

Platform* server_connection() { return qv; }

void set_server_connection(Platform* platform) { qv = platform; }
char* server = nullptr;
int protocol_type = 0;
unsigned char create_managed_obj = 0;
unsigned char create_node = 0;
QvStatus status;
Debug tolvar_debug("tolvar_debug", std::cerr, 0);

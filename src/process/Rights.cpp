#include "process/Rights.hpp"

unsigned char create_objects_access = 0;
unsigned char modify_coordinates_access = 0;
unsigned char modify_desc_agent_type_status_access = 0;
unsigned char modify_bg_img_access = 0;

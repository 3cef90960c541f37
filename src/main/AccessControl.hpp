// The user's rights, read once after connecting. Without the right to run
// the tool, or to create objects in create mode, the tool says why and ends.
#pragma once

// One byte each, true when granted.
extern unsigned char create_objects_access;                 // "CreateObjects"
extern unsigned char modify_coordinates_access;             // "ModifyCoordinates"
extern unsigned char modify_desc_agent_type_status_access;  // "ModifyDescrAgentTypeStatus"
extern unsigned char modify_bg_img_access;                  // "ModifyBackgroundImage"

// Reads the rights; 1 when the tool may go on (otherwise the program ends
// from the error dialog).
int access_control();

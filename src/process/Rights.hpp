// The user's rights, read once after connecting (main's access_control is
// the only writer); the pages switch their editing controls by them.
#pragma once

// One byte each, true when granted.
extern unsigned char create_objects_access;                 // "CreateObjects"
extern unsigned char modify_coordinates_access;             // "ModifyCoordinates"
extern unsigned char modify_desc_agent_type_status_access;  // "ModifyDescrAgentTypeStatus"
extern unsigned char modify_bg_img_access;                  // "ModifyBackgroundImage"

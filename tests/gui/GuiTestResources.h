// Ids of the GUI test program's own resources (GuiTest.rc); kept clear of
// the program's ids.
#pragma once

#define IDD_GUITEST         900
#define IDC_GUITEST_EDIT    901
#define IDC_GUITEST_NESTED  902

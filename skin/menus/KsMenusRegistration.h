// Makes the skinned menus' classes known to the framework's class registry, so layouts can
// hold item trees, and installs the hidden window through which item clicks run from the
// application's loop. The program and the test programs call it once before any window is
// read; later calls do nothing.
#pragma once

void RegisterSkinMenus();

// Makes the skinned form controllers known to the framework's class registry, so layouts
// can hold them. The program and the test programs call it once before any window is read;
// later calls do nothing.
#pragma once

void RegisterSkinForms();

// Makes the framework's window classes known to the layout reader: the forms, the standard
// and extra controls, the scroll box, the timer, the save-picture dialog, action lists with
// their actions, image lists, and popup menus with their items.
#pragma once

void RegisterControlClasses();

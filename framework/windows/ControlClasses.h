// Makes the framework's window classes known to the layout reader: the forms, the standard
// and extra controls, the scroll box, the timer, the save-picture dialog, action lists with
// their actions, and image lists.
#pragma once

void RegisterControlClasses();

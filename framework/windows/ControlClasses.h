// Makes the framework's window classes known to the layout reader: the forms, the standard
// and extra controls, the scroll box, the timer and the save-picture dialog.
#pragma once

void RegisterControlClasses();

// Identifiers of the program's resources, shared by flickmark.rc and the code.
#pragma once

#define IDI_FLICKMARK 1

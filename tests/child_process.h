// Running the real program from a test.
#pragma once

#include <sys/types.h>

// Starts program with no arguments in the current environment; the pid, or -1.
pid_t Spawn(const char* program);
// Waits up to seconds for pid to end; true with its status when it did.
bool WaitExit(pid_t pid, int seconds, int* status);

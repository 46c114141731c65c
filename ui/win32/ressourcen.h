/* Resource IDs shared by the program's resource script and the window. Plain C
   preprocessor only, since windres and rc.exe read this file too. */
#pragma once

/* The program icon; the first icon resource, so that Explorer shows it for the file. */
#define PZ_IDI_PROGRAMM 1

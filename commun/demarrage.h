/*
 * The first thing each program does: whether this processor gives the
 * IEEE double arithmetic that the pictures are defined by. On i386 that
 * takes SSE2, which Debian's baseline there, the i686, lacks; everywhere
 * else the architecture's baseline has it.
 */
#pragma once

/* True where the program may go on. Otherwise it has told the user why,
   in a dialog where there is a display, on the standard error always, and
   drawn nothing: the caller ends the program. Built for the baseline, so
   that it runs on any processor of the architecture. */
bool processeur_convenable(int *argc, char ***argv);

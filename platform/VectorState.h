#pragma once

// Parts of the toolkit's start-up and widget code leave the upper halves of the AVX registers in
// use. Until they are cleared, the SSE code after them (the C library's string functions among
// it) runs several times slower on current x86 processors, so a long loop clears them before
// it starts and after each time it lets events through. Does nothing where there is no AVX.
void ClearUpperVectorState();
